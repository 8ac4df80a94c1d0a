// The logo and footer verbs of orvik-cli against a simulated register: what they send and
// print, and that a file or option they cannot use sends nothing.
#include <sys/stat.h>

#include <filesystem>

#include "tests/integration/cli_run.h"
#include "tests/integration/sim_register_fixture.h"
#include "tests/support/bmp_builder.h"

namespace sim_test {
namespace {

std::string ElevenLines() {
    std::string lines;
    for (int i = 0; i < 11; ++i) {
        lines += "Строка " + std::to_string(i) + "\n";
    }
    return lines;
}

class CliLogoFooterTest : public SimRegisterTest {
  protected:
    CliRun Cli(std::vector<std::string> args, const std::string& operatorName = "Касир") {
        args.insert(args.begin(),
                    {"--port", kPort, "--password", "0000", "--operator", operatorName});
        return RunCli(std::move(args));
    }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const std::string path = ports.Path() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    void SetUp() override {
        SimRegisterTest::SetUp();
        UseProfile("f1m8");
    }
};

TEST_F(CliLogoFooterTest, SetLogoSendsEveryRowAndTheHeight) {
    // A dot at the left of each of three rows of 20 pixels.
    const std::string file = WriteFile(
        "logo.bmp",
        BmpString({.width = 20, .height = 3, .index1 = [](int x, int) { return x != 0; }}));
    CliRun run = Cli({"set-logo", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "logoRows: 3\n");
    const Texts received = TakeReceived();
    const Texts logo(received.end() - 4, received.end());
    EXPECT_EQ(logo, (Texts{"LUPC00180000000", "LUPC00280000000", "LUPC00380000000", "AUPC003"}));
    EXPECT_EQ(State([](RegisterState& s) { return s.settings.logoHeight; }), 3);

    run = Cli({"set-logo", "--no-print", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "logoRows: 0\n");
    const Texts off = TakeReceived();
    EXPECT_EQ(std::count_if(off.begin(), off.end(),
                            [](const std::string& c) { return c.starts_with("LUPC"); }),
              0);
    EXPECT_NE(std::find(off.begin(), off.end(), "AUPC000"), off.end());
}

TEST_F(CliLogoFooterTest, SetFooterLinesSendsTenCommandsInAServiceSession) {
    const std::string file = WriteFile("footer.txt", "JWH СПАСИБО\r\nПриходите ещё\n\n");
    CliRun run = Cli({"set-footer-lines", file}, "СЕРВІС");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "footerLines: 2\n");
    Texts received = TakeReceived();
    const auto first = std::find(received.begin(), received.end(), "BOTm013СПАСИБО");
    ASSERT_NE(first, received.end());
    ASSERT_GE(received.end() - first, 10);
    EXPECT_EQ(Texts(first, first + 10),
              (Texts{"BOTm013СПАСИБО", "BOTm100Приходите ещё", "BOTm2", "BOTm3", "BOTm4", "BOTm5",
                     "BOTm6", "BOTm7", "BOTm8", "BOTm9"}));

    // An empty file erases the footer when --erase says so.
    run = Cli({"set-footer-lines", WriteFile("empty.txt", ""), "--erase"}, "СЕРВІС");
    ASSERT_EQ(run.status, 0) << run.err;
    received = TakeReceived();
    EXPECT_NE(std::find(received.begin(), received.end(), "BOTm"), received.end());
    EXPECT_FALSE(State([](RegisterState& s) { return s.settings.footerLines[0].has_value(); }));
}

TEST_F(CliLogoFooterTest, GetLineSpacingAndDiscountPrintReadTheRegister) {
    State([](RegisterState& s) {
        s.settings.lineSpacing = 5;
        s.settings.discountPrintMode = 1;
    });
    CliRun run = Cli({"get-line-spacing"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "5 0.625 мм\n");
    run = Cli({"get-discount-print"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 at the end of the receipt\n");
}

TEST_F(CliLogoFooterTest, OtherModelsAreToldTheyLackTheLogo) {
    UseProfile("f1m6");
    const std::string file = WriteFile("logo.bmp", BmpString({.width = 16, .height = 2}));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"set-logo", file},
                                                 {"get-line-spacing"},
                                                 {"get-discount-print"}}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find("only family 1 model 8"), std::string::npos) << run.err;
    }
    const Texts received = TakeReceived();
    for (const std::string& command : received) {
        EXPECT_FALSE(command.starts_with("LUPC") || command.starts_with("AUPC") ||
                     command.starts_with("BLFI") || command.starts_with("NPDI"))
            << command;
    }
}

TEST_F(CliLogoFooterTest, WhatCannotBeSentIsAUsageErrorBeforeConnecting) {
    const std::string good = WriteFile("good.txt", "Спасибо\n");
    // Nobody writes to it: reading it would wait for ever.
    const std::string fifo = ports.Path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> args;
        std::string operatorName;
        std::string error;  // a part of the message
    };
    const std::vector<Case> cases{
        {{"set-logo"}, "Касир", "needs one FILE"},
        {{"set-logo", ports.Path() + "/missing.bmp"}, "Касир", "No such file"},
        {{"set-logo", fifo}, "Касир", "not a regular file"},
        {{"set-logo", "/dev/zero"}, "Касир", "not a regular file"},
        {{"set-logo", WriteFile("wide.bmp", BmpString({.width = 433, .height = 8}))},
         "Касир",
         "at most 432 x 192"},
        {{"set-logo", WriteFile("high.bmp", BmpString({.width = 16, .height = 193}))},
         "Касир",
         "at most 432 x 192"},
        {{"set-logo",
          WriteFile("grey.bmp", BmpString({.width = 16, .height = 8, .bitsPerPixel = 8}))},
         "Касир",
         "two-colour"},
        {{"set-logo", WriteFile("flat.bmp", BmpString({.width = 16, .height = 0}))},
         "Касир",
         "cannot be read"},
        {{"set-footer-lines", good}, "Касир", "needs the service log-in"},
        {{"set-footer-lines"}, "СЕРВІС", "needs one FILE"},
        {{"set-footer-lines", fifo}, "СЕРВІС", "not a regular file"},
        {{"set-footer-lines", WriteFile("blank.txt", "\n\n")}, "СЕРВІС", "--erase"},
        {{"set-footer-lines", WriteFile("eleven.txt", ElevenLines())}, "СЕРВІС", "at most 10"},
        {{"set-footer-lines", WriteFile("wide.txt", "W " + std::string(30, 'x') + "\n")},
         "СЕРВІС",
         "more than 21 characters in double width"},
        {{"set-footer-lines", WriteFile("euro.txt", "Ціна 5 €\n")}, "СЕРВІС", "cannot print \"€\""},
        {{"set-footer-lines", WriteFile("gap.txt", "a\n\nb\n")}, "СЕРВІС", "line 2: no text"},
        {{"set-footer-lines", WriteFile("latin1.txt", "caf\xe9\n")}, "СЕРВІС", "not UTF-8"},
        {{"get-line-spacing", "5"}, "Касир", "takes no arguments"},
        {{"get-discount-print", "x"}, "Касир", "takes no arguments"},
    };
    TakeReceived();
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args, c.operatorName);
        EXPECT_EQ(run.status, 2) << c.args[0] << ": " << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    }
    EXPECT_TRUE(TakeReceived().empty());
}

}  // namespace
}  // namespace sim_test
