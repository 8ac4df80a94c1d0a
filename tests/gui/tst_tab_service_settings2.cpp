// The logo and footer page against a simulated register: what its buttons send, what they
// refuse, and what it shows of the register's settings.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "gui/app/orvik_service_view.h"
#include "gui/controls/auto_size_list_ctrl.h"
#include "gui/pages/bottom_line_dlg.h"
#include "gui/pages/logo_image.h"
#include "gui/pages/tab_service_settings2.h"
#include "tests/gui/page_fixture.h"
#include "tests/support/bmp_builder.h"

using namespace orvik::gui;
using orvik::console::FooterLine;

namespace {

constexpr int kPageIndex = 1;

// Answers Yes to every question.
class AgreeingMessages : public RecordingMessages {
  public:
    bool AskYesNo(QWidget* parent, const QString& text, bool yes) override {
        RecordingMessages::AskYesNo(parent, text, yes);
        return true;
    }
};

// The console connected to a simulated register, showing the logo and footer page. The file
// dialog answers with `file`; the line editor with the lines queued in `edits`.
class LogoPageFixture : public PageFixture<CTabServiceSettings2> {
  public:
    explicit LogoPageFixture(ConsoleRegister kind = Model8Register())
        : PageFixture(std::move(kind), kPageIndex) {}

    // With `service`, the operator signs in as the service engineer.
    bool Start(QString* error, bool service = false) {
        if (!PageFixture::Start(error)) {
            return false;
        }
        page->SetFileDialog([this](QWidget*, const FileDialogRequest& request) {
            requests.push_back(request);
            return file;
        });
        page->SetFooterLineEditor([this](QWidget*, const FooterLine& line) {
            edited.push_back(line);
            if (edits.empty()) {
                return std::optional<FooterLine>();
            }
            const FooterLine next = edits.front();
            edits.erase(edits.begin());
            return std::optional<FooterLine>(next);
        });
        if (service) {
            console.OperatorName()->setText(QStringLiteral("СЕРВІС"));
        }
        return true;
    }

    QStringList Messages() const {
        QStringList texts;
        for (const auto& entry : console.messages.entries) {
            texts << entry.text;
        }
        return texts;
    }

    void AddRows(const std::vector<FooterLine>& lines) {
        for (const FooterLine& line : lines) {
            edits.push_back(line);
            Click("addLineButton");
        }
    }

    QString file;
    std::vector<FileDialogRequest> requests;
    std::vector<FooterLine> edits;
    std::vector<FooterLine> edited;
};

QString WriteBmp(const QTemporaryDir& dir, const QString& name, const BmpSpec& spec) {
    const QString path = dir.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << BmpString(spec);
    return path;
}

}  // namespace

class TestTabServiceSettings2 : public QObject {
    Q_OBJECT

  private slots:
    void twoFooterRowsAreTenCommandsInOrder();
    void anEmptyFooterAsksBeforeErasing();
    void theFooterNeedsTheServiceLogin();
    void footerListButtonsFollowTheRows();
    void lineDialogRefusesTooLongEmptyAndUnprintableTexts();
    void refreshShowsTheRegistersSpacingAndDiscountPrinting();
    void spacingAndDiscountButtonsSetTheRegister();
    void otherModelsDisableLogoSpacingAndDiscounts();
    void loadsAGoodLogoAndRefusesOthers();
    void sendsTheLogoRowsOrSwitchesItOff();
    void everyControlHasAnAccessibleName();
};

void TestTabServiceSettings2::twoFooterRowsAreTenCommandsInOrder() {
    LogoPageFixture fixture;
    START_PAGE(fixture, true);
    fixture.AddRows({{u"Спасибо", true, false, false}, {u"ЗА ПОКУПКУ", false, true, true}});
    auto* list = fixture.Find<CAutoSizeListCtrl>("footerList");
    QCOMPARE(list->RowCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("3"));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("1"));

    fixture.Click("setFooterButton");
    QCOMPARE(Texts(fixture.NewCommands()),
             (QStringList{"BOTm010Спасибо", "BOTm103ЗА ПОКУПКУ", "BOTm2", "BOTm3", "BOTm4", "BOTm5",
                          "BOTm6", "BOTm7", "BOTm8", "BOTm9"}));
    QCOMPARE(fixture.Messages(), QStringList{"Подвал чека установлен."});
    const bool set = fixture.console.Register().WithState([](orvik::sim::RegisterState& s) {
        return s.settings.footerLines[1].has_value() && s.settings.footerLines[1]->format == 3 &&
               !s.settings.footerLines[2].has_value();
    });
    QVERIFY(set);
}

void TestTabServiceSettings2::anEmptyFooterAsksBeforeErasing() {
    LogoPageFixture fixture;
    START_PAGE(fixture, true);
    fixture.Click("setFooterButton");
    QVERIFY(fixture.NewCommands().empty());
    QCOMPARE(fixture.Messages(),
             QStringList{"Вы уверены, что хотите стереть все строки в подвале чека?"});

    AgreeingMessages yes;
    fixture.console.Document().SetMessages(&yes);
    fixture.Click("setFooterButton");
    QCOMPARE(Texts(fixture.NewCommands()), QStringList{"BOTm"});
    QCOMPARE(yes.entries.back().text, QStringLiteral("Подвал чека установлен."));
    fixture.console.Document().SetMessages(&fixture.console.messages);
}

void TestTabServiceSettings2::theFooterNeedsTheServiceLogin() {
    LogoPageFixture fixture;
    START_PAGE(fixture);
    fixture.AddRows({{u"Спасибо"}});
    fixture.Click("setFooterButton");
    QVERIFY(fixture.NewCommands().empty());
    QVERIFY(fixture.Messages().isEmpty());
    QVERIFY2(
        fixture.console.Frame().statusBar()->currentMessage().contains(QStringLiteral("СЕРВІС")),
        qPrintable(fixture.console.Frame().statusBar()->currentMessage()));
}

void TestTabServiceSettings2::footerListButtonsFollowTheRows() {
    LogoPageFixture fixture(ConsoleRegister{.profile = "f1m6"});
    START_PAGE(fixture);
    const auto enabled = [&fixture] {
        QString state;
        for (const char* name : {"addLineButton", "changeLineButton", "deleteLineButton",
                                 "moveUpButton", "moveDownButton", "setFooterButton"}) {
            state += fixture.Find<QPushButton>(name)->isEnabled() ? u'1' : u'0';
        }
        return state;
    };
    QCOMPARE(enabled(), QStringLiteral("100001"));
    std::vector<FooterLine> ten;
    for (int i = 0; i < 10; ++i) {
        ten.push_back(FooterLine{u"Строка " + std::u16string(1, static_cast<char16_t>(u'0' + i))});
    }
    fixture.AddRows(ten);
    // The last row added is selected; ten rows fill the list.
    QCOMPARE(enabled(), QStringLiteral("011101"));
    auto* list = fixture.Find<CAutoSizeListCtrl>("footerList");
    list->setCurrentItem(list->topLevelItem(0));
    QCOMPARE(enabled(), QStringLiteral("011011"));
    fixture.Click("moveDownButton");
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Строка 0"));
    QVERIFY(list->topLevelItem(1)->isSelected());
    fixture.Click("deleteLineButton");
    QCOMPARE(list->RowCount(), 9);
    QCOMPARE(enabled(), QStringLiteral("100001"));

    // "Изменить" opens the editor filled from the row and writes the row back.
    list->setCurrentItem(list->topLevelItem(0));
    fixture.edits.push_back(FooterLine{u"Новая", true, true, true});
    fixture.Click("changeLineButton");
    QCOMPARE(fixture.edited.back(), (FooterLine{u"Строка 1"}));
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Новая"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("3"));
    // A cancelled edit changes nothing.
    fixture.Click("changeLineButton");
    QCOMPARE(fixture.edited.back(), (FooterLine{u"Новая", true, true, true}));
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Новая"));
}

void TestTabServiceSettings2::lineDialogRefusesTooLongEmptyAndUnprintableTexts() {
    RecordingMessages messages;
    CBottomLineDlg dialog(messages, FooterLine{});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Строка подвала чека"));
    auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("textEdit"));
    auto* width = dialog.findChild<QCheckBox*>(QStringLiteral("doubleWidthCheck"));
    auto* height = dialog.findChild<QCheckBox*>(QStringLiteral("doubleHeightCheck"));
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    dialog.show();

    QTest::keyClicks(text, QString(30, QLatin1Char('x')));
    QCOMPARE(text->text().size(), 30);
    // Double width keeps what was typed, and OK refuses it.
    width->setChecked(true);
    QCOMPARE(text->text().size(), 30);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.entries.back().text,
             QStringLiteral("Please enter no more than 21 characters."));
    // Typing stops at the limit once the text is short enough.
    text->clear();
    QTest::keyClicks(text, QString(30, QLatin1Char('y')));
    QCOMPARE(text->text().size(), 21);

    text->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(messages.entries.back().text, QStringLiteral("Пустые строки не допускаются"));
    text->setText(QStringLiteral("Ціна 5 €"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(messages.entries.back().text.contains(QStringLiteral("€")));
    QCOMPARE(messages.entries.size(), 3u);

    // Without double width the 30 characters are taken.
    width->setChecked(false);
    text->setText(QString(30, QLatin1Char('z')));
    height->setChecked(true);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Line(), (FooterLine{std::u16string(30, u'z'), false, false, true}));
    QCOMPARE(messages.entries.size(), 3u);
}

void TestTabServiceSettings2::refreshShowsTheRegistersSpacingAndDiscountPrinting() {
    LogoPageFixture fixture;
    fixture.console.Register().WithState([](orvik::sim::RegisterState& s) {
        s.settings.lineSpacing = 5;
        s.settings.discountPrintMode = 1;
    });
    START_PAGE(fixture);
    QCOMPARE(fixture.Find<QComboBox>("spacingList")->count(), 18);
    QCOMPARE(fixture.Find<QComboBox>("spacingList")->currentText(), QStringLiteral("0.625 мм"));
    QVERIFY(fixture.Find<QRadioButton>("discountsAtEndRadio")->isChecked());

    // A value the list does not have leaves no entry chosen, and its button does nothing.
    fixture.console.Register().WithState(
        [](orvik::sim::RegisterState& s) { s.settings.lineSpacing = 21; });
    fixture.page->UpdateDialog();
    QCOMPARE(fixture.Find<QComboBox>("spacingList")->currentIndex(), -1);
    QVERIFY(!fixture.Find<QPushButton>("setSpacingButton")->isEnabled());
}

void TestTabServiceSettings2::spacingAndDiscountButtonsSetTheRegister() {
    LogoPageFixture fixture;
    START_PAGE(fixture);
    fixture.Find<QComboBox>("spacingList")->setCurrentIndex(17);
    fixture.Click("setSpacingButton");
    fixture.Find<QRadioButton>("discountsAtEndRadio")->setChecked(true);
    fixture.Click("setDiscountsButton");
    QCOMPARE(Texts(fixture.NewCommands()), (QStringList{"BLFI20", "NPDI1"}));
    QCOMPARE(fixture.Messages(), (QStringList{"Установлен межстрочный интервал 2.500 мм",
                                              "Установлен режим печати скидок/надбавок"}));

    // Without the register its settings cannot be sent; the footer list stays usable.
    fixture.console.Frame().DisconnectAction()->trigger();
    QVERIFY(!fixture.console.Document().IsConnected());
    for (const char* name : {"setLogoButton", "setSpacingButton", "setDiscountsButton"}) {
        QVERIFY2(!fixture.Find<QPushButton>(name)->isEnabled(), name);
    }
    QVERIFY(fixture.Find<QPushButton>("addLineButton")->isEnabled());
}

void TestTabServiceSettings2::otherModelsDisableLogoSpacingAndDiscounts() {
    LogoPageFixture fixture(ConsoleRegister{.profile = "f1m6"});
    START_PAGE(fixture);
    for (const char* name :
         {"printLogoCheck", "setLogoButton", "spacingList", "setSpacingButton",
          "discountsOnEachLineRadio", "discountsAtEndRadio", "setDiscountsButton"}) {
        QVERIFY2(!fixture.Find<QWidget>(name)->isEnabled(), name);
    }
    for (const char* name : {"loadLogoButton", "addLineButton", "setFooterButton"}) {
        QVERIFY2(fixture.Find<QWidget>(name)->isEnabled(), name);
    }
    // The register was asked nothing of what it does not have.
    for (const auto& command : fixture.console.Register().Activity().Commands()) {
        QVERIFY(!command.starts_with(u"BLFI") && !command.starts_with(u"NPDI"));
    }
}

void TestTabServiceSettings2::loadsAGoodLogoAndRefusesOthers() {
    LogoPageFixture fixture;
    START_PAGE(fixture);
    const orvik::console::MonoBitmap initial = fixture.page->Logo();
    QCOMPARE(initial.width, 432);
    QCOMPARE(initial.height, 191);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto* print = fixture.Find<QCheckBox>("printLogoCheck");

    fixture.file = WriteBmp(dir, "good.bmp", {.width = 432, .height = 192});
    fixture.Click("loadLogoButton");
    QCOMPARE(fixture.requests.back().nameFilters.first(), QStringLiteral("Bitmap files (*.bmp)"));
    QVERIFY(fixture.requests.back().nameFilters.join(' ').contains(QStringLiteral("*.png")));
    QCOMPARE(fixture.page->Logo().height, 192);
    QVERIFY(print->isChecked());
    QVERIFY(fixture.Messages().isEmpty());

    struct Refused {
        const char* name;
        BmpSpec spec;
        const char* message;
    };
    const QString format = QStringLiteral(
        "Неверный формат битового образа. Пожалуйста, подготовьте черно-белый битовый образ с "
        "максимальной шириной 432 и максимальной выстой 192 пиксела.");
    for (const Refused& refused : std::vector<Refused>{
             {"wide.bmp", {.width = 433, .height = 192}, nullptr},
             {"high.bmp", {.width = 432, .height = 193}, nullptr},
             {"colour.bmp", {.width = 16, .height = 8, .bitsPerPixel = 24}, nullptr}}) {
        fixture.file = WriteBmp(dir, refused.name, refused.spec);
        fixture.Click("loadLogoButton");
        QCOMPARE(fixture.Messages().back(), format);
        QCOMPARE(fixture.page->Logo().bits, initial.bits);
        QVERIFY(!print->isChecked());
        QVERIFY(!fixture.page->PrintLogo());
    }
    // A file that is no picture at all.
    fixture.file = dir.filePath(QStringLiteral("text.bmp"));
    std::ofstream(fixture.file.toStdString()) << "not a picture";
    fixture.Click("loadLogoButton");
    QCOMPARE(fixture.Messages().back(), QStringLiteral("Ошибка при загрузке битового образа"));
    // Cancel and a missing file change nothing.
    const std::size_t shown = fixture.Messages().size();
    fixture.file.clear();
    fixture.Click("loadLogoButton");
    fixture.file = dir.filePath(QStringLiteral("missing.bmp"));
    fixture.Click("loadLogoButton");
    QCOMPARE(static_cast<std::size_t>(fixture.Messages().size()), shown);

    // A two-colour PNG is a logo as well.
    QImage png(40, 10, QImage::Format_Mono);
    png.fill(1);
    fixture.file = dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(png.save(fixture.file, "PNG"));
    fixture.Click("loadLogoButton");
    QCOMPARE(fixture.page->Logo().width, 40);
    QVERIFY(print->isChecked());
}

void TestTabServiceSettings2::sendsTheLogoRowsOrSwitchesItOff() {
    LogoPageFixture fixture;
    START_PAGE(fixture);
    QTemporaryDir dir;
    // A dot at the left of each row, on a 20-pixel row padded to 32.
    fixture.file = WriteBmp(
        dir, "small.bmp", {.width = 20, .height = 3, .index1 = [](int x, int) { return x != 0; }});
    fixture.Click("loadLogoButton");
    fixture.Click("setLogoButton");
    QCOMPARE(Texts(fixture.NewCommands()),
             (QStringList{"LUPC00180000000", "LUPC00280000000", "LUPC00380000000", "AUPC003"}));
    QVERIFY(fixture.Messages().isEmpty());

    fixture.Find<QCheckBox>("printLogoCheck")->click();
    QVERIFY(!fixture.page->PrintLogo());
    fixture.Click("setLogoButton");
    QCOMPARE(Texts(fixture.NewCommands()), QStringList{"AUPC000"});

    // A register that refuses a row: the page says the logo was not set.
    fixture.Find<QCheckBox>("printLogoCheck")->click();
    fixture.console.Register().Scripts().Add(u"LUPC", {u"SOFTPARAM"});
    fixture.Click("setLogoButton");
    QCOMPARE(Texts(fixture.NewCommands()), QStringList{"LUPC00180000000"});
    QCOMPARE(fixture.Messages().back(),
             QStringLiteral("Ошибка при передаче битового образа в ЭККР. Битовый образ не "
                            "установлен."));
}

void TestTabServiceSettings2::everyControlHasAnAccessibleName() {
    LogoPageFixture fixture;
    START_PAGE(fixture);
    for (QWidget* widget : fixture.page->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<CAutoSizeListCtrl*>(widget) ||
                             widget->objectName() == QStringLiteral("logoPreview");
        if (control) {
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
    QCOMPARE(fixture.Find<QPushButton>("setFooterButton")->accessibleName(),
             QStringLiteral("Установить"));
}

QTEST_MAIN(TestTabServiceSettings2)
#include "tst_tab_service_settings2.moc"
