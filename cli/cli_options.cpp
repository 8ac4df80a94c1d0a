#include "cli/cli_options.h"

namespace orvik::cli {

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string* error) {
    CliOptions options;
    std::size_t i = 0;
    auto takeValue = [&](const std::string& name, std::string& target) {
        if (i + 1 >= args.size()) {
            *error = name + " needs a value";
            return false;
        }
        target = args[++i];
        return true;
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--port") {
            std::string port;
            if (!takeValue(arg, port)) {
                return std::nullopt;
            }
            options.ports.push_back(port);
            if (options.port.empty()) {
                options.port = port;
            }
        } else if (arg == "--all") {
            options.all = true;
        } else if (arg == "--json") {
            options.json = true;
            options.forwarded.push_back(arg);
        } else if (arg == "--jobs") {
            std::string jobs;
            if (!takeValue(arg, jobs)) {
                return std::nullopt;
            }
            if (jobs.empty() || jobs.size() > 3 ||
                jobs.find_first_not_of("0123456789") != std::string::npos || std::stoi(jobs) < 1) {
                *error = "--jobs takes a number from 1 to 999";
                return std::nullopt;
            }
            options.jobs = std::stoi(jobs);
        } else if (arg == "--operator") {
            if (!takeValue(arg, options.operatorName)) {
                return std::nullopt;
            }
            options.operatorGiven = true;
            options.forwarded.insert(options.forwarded.end(), {arg, options.operatorName});
        } else if (arg == "--password") {
            if (!takeValue(arg, options.password)) {
                return std::nullopt;
            }
            options.passwordGiven = true;
        } else if (arg == "--password-file") {
            if (!takeValue(arg, options.passwordFile)) {
                return std::nullopt;
            }
            if (options.passwordFile.empty()) {
                *error = "--password-file needs a file name";
                return std::nullopt;
            }
        } else if (arg == "--trace") {
            if (!takeValue(arg, options.tracePath)) {
                return std::nullopt;
            }
            if (options.tracePath.empty()) {
                *error = "--trace needs a file name";
                return std::nullopt;
            }
        } else if (arg == "--raw") {
            options.raw = true;
            options.forwarded.push_back(arg);
        } else if (arg.rfind("--", 0) == 0 && arg != "--help") {
            *error = "unknown option " + arg;
            return std::nullopt;
        } else {
            break;
        }
    }
    if (options.passwordGiven && !options.passwordFile.empty()) {
        *error = "give --password or --password-file, not both";
        return std::nullopt;
    }
    if (options.all && !options.ports.empty()) {
        *error = "give --port or --all, not both";
        return std::nullopt;
    }
    if (i == args.size()) {
        *error = "no verb given";
        return std::nullopt;
    }
    options.verb = args[i];
    options.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return options;
}

const char* CliUsage() {
    return "Usage: orvik-cli [--port COMn]... [--all] [--jobs N] [--json] [--operator NAME]\n"
           "                 [--password TEXT | --password-file FILE] [--raw]\n"
           "                 [--trace FILE] VERB [ARGUMENTS]\n"
           "\n"
           "Every verb but ports and doctor first connects as the console does: it wakes\n"
           "the register, logs the operator in and reads the register's configuration; it\n"
           "disconnects at the end. The register's messages are printed on standard error, and a "
           "question\n"
           "(Retry or Cancel) is answered Cancel.\n"
           "\n"
           "Verbs:\n"
           "  ports [--long]        print the COM names whose devices exist and are terminals,\n"
           "                        one per line; --long adds the device and, for a USB\n"
           "                        adapter, its product and serial\n"
           "  doctor [--port COMn] [--json]\n"
           "                        check each port (or the one given) from its name to the\n"
           "                        register's answer, with a remedy on every failed line;\n"
           "                        exit 0 when a register answered\n"
           "  journal [--since YYYY-MM-DD] [--register SERIAL] [--json | --csv]\n"
           "                        list the receipt journal's copies (time, register,\n"
           "                        number, total, cash, outcome, copy K/N), unknown\n"
           "                        outcomes first; needs no register\n"
           "  info                  print what the register reported at connect, one\n"
           "                        \"name: value\" per line (identification, clock, key,\n"
           "                        software, currency, counters, family and model, and one\n"
           "                        line per tax slot)\n"
           "  send TEXT...          send each TEXT as one command, as the terminal page does,\n"
           "                        and print \">TEXT\" and every reply until \"READY\" or\n"
           "                        3000 ms of silence. A TEXT longer than 254 characters,\n"
           "                        or holding a control character or a character the\n"
           "                        register cannot receive, is refused (exit 2, nothing\n"
           "                        sent), never cut\n"
           "\n"
           "Reports (the register prints them; each needs its key position):\n"
           "  x-report              the X report\n"
           "  z-report              the Z report, which closes the day; then prints\n"
           "                        \"lastZReportNumber: N\"\n"
           "  zero-z-report         the zero Z report (family 1 model 8, after a Z report)\n"
           "  article-report        sales by article\n"
           "  discount-report       discounts and surcharges\n"
           "  zero-receipt          a receipt without lines\n"
           "  hardware-state        the state of the register's hardware\n"
           "  periodic-report --from YYYY-MM-DD --to YYYY-MM-DD [--full]\n"
           "  periodic-report --from-number N --to-number M [--full]\n"
           "                        the fiscal memory report for a range of days or of\n"
           "                        Z-report numbers (1 to 4000), short or --full\n"
           "\n"
           "Settings:\n"
           "  get-clock             print the register's clock as YYYY-MM-DD HH:MM:SS\n"
           "  set-clock [HH:MM:SS]  set its time of day (default: now), then print its clock\n"
           "  set-cutter CUTTER BEEPER [PARTIAL]\n"
           "                        switch the cutter and the beeper on (1) or off (0);\n"
           "                        PARTIAL (partial cut) on family 1 model 8 only\n"
           "  set-header TEXT       the receipt header line, cut to what the register prints\n"
           "  set-footer TEXT       the receipt footer line, likewise\n"
           "  set-article-mode N    0 register new articles, 1 use the programmed ones,\n"
           "                        2 use accounting codes\n"
           "  set-tax-calculation N added taxes on 0 the receipt total, 1 each item\n"
           "  set-tax-print N       added taxes printed 0 after each line, 1 on the total\n"
           "  set-message-set N     0 shop, 1 bus and railway stations, 2 credit and\n"
           "                        pawnshops, 3 gaming\n"
           "  set-department TEXT   the department mnemonic, at most 5 characters\n"
           "  set-discount-print N  family 1 model 8: discounts printed 0 on each line,\n"
           "                        1 at the end of the receipt\n"
           "  set-line-spacing N    family 1 model 8: line spacing in eighths of a\n"
           "                        millimetre, 3 to 20\n"
           "\n"
           "Logo and footer:\n"
           "  set-logo FILE [--no-print]\n"
           "                        family 1 model 8: load FILE, a two-colour (1 bit per\n"
           "                        pixel) .bmp of at most 432 x 192 pixels, row by row as\n"
           "                        the logo printed on receipts, then print \"logoRows: N\";\n"
           "                        --no-print switches the logo off (only the height 0 is\n"
           "                        sent)\n"
           "  set-footer-lines FILE [--erase]\n"
           "                        set the receipt footer of up to ten lines from FILE\n"
           "                        (UTF-8, one footer line per line): each line is TEXT or\n"
           "                        [J][W][H] TEXT, J also on the journal tape, W double\n"
           "                        width (at most 21 characters, else 43), H double\n"
           "                        height; an empty FILE erases the footer only with\n"
           "                        --erase. Needs the service log-in (--operator СЕРВІС);\n"
           "                        prints \"footerLines: N\"\n"
           "  get-line-spacing      family 1 model 8: print the line spacing, \"5 0.625 мм\"\n"
           "  get-discount-print    family 1 model 8: print where discounts are printed,\n"
           "                        \"0 on each line\" or \"1 at the end of the receipt\"\n"
           "\n"
           "Settings profiles:\n"
           "  apply-profile FILE [--dry-run]\n"
           "                        set what the profile FILE holds (below), in a fixed\n"
           "                        order, printing \"KEY: ok\", \"KEY: skipped (why)\" (a\n"
           "                        setting the register does not have), \"KEY: failed\" or\n"
           "                        \"KEY: not sent\" (after a register stopped answering);\n"
           "                        exit 1 when one failed. Footer lines log in as the\n"
           "                        service engineer. Every value is checked and every\n"
           "                        file read first: a bad profile is exit 2 with its\n"
           "                        line. --dry-run prints \"KEY: COMMAND\" for every\n"
           "                        command instead, without a register\n"
           "  read-profile [FILE]   write the register's clock, cutter, beeper, partial\n"
           "                        cut, line spacing, discount printing and article mode\n"
           "                        as a profile to FILE (replaced whole) or standard\n"
           "                        output\n"
           "\n"
           "Receipts and cash (the key in registration):\n"
           "  print-receipt FILE [--copies N] [--number N] [--cash AMOUNT]\n"
           "                [--tape-mode 0|1] [--barcode-type A|B|C --barcode TEXT]\n"
           "                [--compound-tax] [--again]\n"
           "                        print the receipt file (.check, below) N times (1 to\n"
           "                        100, default 1), as the receipt page does: the cash is\n"
           "                        the total less the file's payments unless --cash (not\n"
           "                        below 0) is given; --number sets the receipt number (0\n"
           "                        none); the tape mode, barcode and tax on tax (the page's\n"
           "                        compound-tax box: paid in cash with the register's\n"
           "                        amount due) are for family 1 model 8. Every row goes\n"
           "                        through the page's checks (name, article, quantity,\n"
           "                        price, discount, tax slots the register has), and the\n"
           "                        payments too (none below 0, payments 1 to 3 not above\n"
           "                        the total); a refused file is exit 2 with its line and\n"
           "                        reason on standard error, and nothing is sent. Prints\n"
           "                        \"total:\", \"cash:\" (as the register is told it: a\n"
           "                        refund's cash paid back as its amount), \"payments:\"\n"
           "                        when payments 1 to 3 are not 0, \"copiesPrinted: K of\n"
           "                        N\" (the copies the register registered) and the last\n"
           "                        copy's \"outcome: registered N\" (exit 0 when all N were\n"
           "                        registered), \"outcome: not registered\" (exit 1) or\n"
           "                        \"outcome: unknown\" (exit 3: its close got no answer;\n"
           "                        do not print it again before the next connect to the\n"
           "                        register tells which it was). Every copy is written to\n"
           "                        the receipt journal before its close is sent; a journal\n"
           "                        that cannot be used is exit 1 and nothing is sent. A\n"
           "                        receipt the journal holds for this register from the\n"
           "                        last 24 hours whose close went unanswered (its outcome\n"
           "                        unknown, or registered all the same) is not printed\n"
           "                        again: \"held: registered N\" or \"held: unknown\", exit\n"
           "                        4; --again prints it anyway. On a terminal, standard\n"
           "                        error shows the line and copy being printed\n"
           "  cancel-receipt        cancel a receipt left open on the register\n"
           "  cash                  print the cash in the drawer, as \"123.45 ГРН\"\n"
           "  cash-in AMOUNT        put cash into the drawer; then print the drawer\n"
           "  cash-out AMOUNT       take cash out; more than the drawer holds is refused\n"
           "                        (exit 1, nothing sent). An AMOUNT not above 0, with\n"
           "                        more decimals than the register's currency, or more\n"
           "                        than the command carries is a usage error (exit 2)\n"
           "A verb's arguments are checked before anything is sent.\n"
           "\n"
           "Profiles: UTF-8 text of \"KEY = VALUE\" lines, each KEY at most once; # or ;\n"
           "starts a comment line, \" ;\" a comment after a value. Keys: clock (now or\n"
           "HH:MM:SS), cutter and beeper (together, 0 or 1), partial-cut (0 or 1), header\n"
           "and footer (at most 43 characters; quotes around keep blanks at the ends and\n"
           "let a comment follow), footer-lines (a set-footer-lines FILE, or erase), logo\n"
           "(a .bmp as for set-logo, or off), line-spacing (3 to 20), discount-print (0 or\n"
           "1), article-mode (0 to 2), tax-calculation (0 or 1), tax-print (0 or 1),\n"
           "message-set (0 to 3), department (at most 5 characters). Files are found beside\n"
           "the profile. Example:\n"
           "    clock = now\n"
           "    header = ТОВ \"Ромашка\"\n"
           "    line-spacing = 8\n"
           "\n"
           "Receipt files (.check): text, Windows-1251 as the console writes it, or UTF-8\n"
           "(read as such when the file is valid UTF-8; a byte-order mark is skipped). Lines\n"
           "starting with # or ; and blank lines are skipped. The first line is the header:\n"
           "the return flag (0 or 1) and payments 1 to 3, separated by \";\". Every further\n"
           "line is one receipt row of twelve fields separated by \";\": return flag, name,\n"
           "article, divisible (1 weighed, 0 pieces), quantity, price, tax slot 1, tax slot 2\n"
           "(1 to 8, 0 none), discount kind (0 none, 1 discount, 2 surcharge), discount\n"
           "name, discount amount, tax on tax (0 or 1). A name cannot hold \";\". Example,\n"
           "two pieces of tea at 3.50 under tax slot 1 and 1.250 kg of cheese with a 1.00\n"
           "discount, paid in cash:\n"
           "    0;0.00;0.00;0.00\n"
           "    0;Чай;12;0;2;3.50;1;0;0;;;0\n"
           "    0;Сыр;16;1;1.250;95.40;1;0;1;Скидка;1.00;0\n"
           "\n"
           "Options:\n"
           "  --port COMn           the register's port (COM1 to COM24), a network address\n"
           "                        (rfc2217://HOST:PORT, rfc2217+tls://HOST:PORT: a register\n"
           "                        behind ser2net) or a register's name in the registers\n"
           "                        file; needed by every verb but ports. Given more than\n"
           "                        once, the verb runs on each register (print-receipt\n"
           "                        excepted), each line after the register's name, then a\n"
           "                        summary table; exit 0 when every register succeeded,\n"
           "                        else the highest status\n"
           "  --all                 every register of the registers file, as several --port\n"
           "  --jobs N              registers served at once with several (default 4)\n"
           "  --json                one JSON document on standard output: verb, port, status,\n"
           "                        outcome, the values printed (\"values\"), every line, and\n"
           "                        the messages with their numbers; with several registers\n"
           "                        an array of them\n"
           "  --operator NAME       the operator's name (default Касир), at most 9\n"
           "                        characters; СЕРВІС opens a service session\n"
           "  --password TEXT       the operator's password, at most 10 characters. Longer\n"
           "                        ones, or characters the register cannot receive, are a\n"
           "                        usage error, not cut. Other users see it in the\n"
           "                        process list (ps): prefer --password-file or\n"
           "                        ORVIK_PASSWORD\n"
           "  --password-file FILE  read the password from the first line of FILE\n"
           "                        Without either, the password is $ORVIK_PASSWORD, else\n"
           "                        typed at a prompt (not shown) when standard input is a\n"
           "                        terminal, else none\n"
           "  --raw                 send only: open the port without waking the register or\n"
           "                        logging in\n"
           "  --trace FILE          write every frame both ways, the wake-up bytes, rate and\n"
           "                        DTR changes and the hang-up to FILE, one line each (the\n"
           "                        password as stars); a new or own file (0600), a\n"
           "                        terminal or a FIFO being read, never a symbolic link\n"
           "  --help                this text\n"
           "\n"
           "COM names resolve through the ports folder ($ORVIK_PORTS_DIR, else\n"
           "$XDG_RUNTIME_DIR/orvik/ports, else /tmp/orvik-ports-UID): an entry COMn there is\n"
           "a link to the device. The folder is used only when it belongs to you (or root),\n"
           "is not a symbolic link and cannot be written by group or others; orvik-sim\n"
           "makes it with mode 0700.\n"
           "Otherwise COM1-COM4 are /dev/ttyS0-3, COM5-COM14 /dev/ttyUSB0-9 and\n"
           "COM15-COM24 /dev/ttyACM0-9.\n"
           "\n"
           "The receipt journal is $ORVIK_STATE_DIR/journal.sqlite3 (else\n"
           "$XDG_STATE_HOME/orvik, else ~/.local/state/orvik), an SQLite file the console\n"
           "shares; the closes the older file unsettled-receipts there held are taken over\n"
           "once.\n"
           "\n"
           "Exit status: 0 success, 1 the register or the link failed (or standard output\n"
           "could not be written), 2 usage error or a refused receipt file, 3 print-receipt\n"
           "cannot tell whether the register registered the receipt (its close got no\n"
           "answer; the next connect to the register settles it), 4 print-receipt did not\n"
           "print a receipt the journal holds from an unanswered close (--again prints it),\n"
           "130 or 143 ended by SIGINT\n"
           "or SIGTERM, heard within a second (a receipt's close is seen through, a receipt\n"
           "opened and not yet closing is cancelled, the port is closed).\n";
}

}  // namespace orvik::cli
