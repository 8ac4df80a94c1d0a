// The device settings page against a simulated register: what each button sends, when its
// success text shows, the limits of its fields and how it reads the register's clock.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>

#include <functional>

#include "gui/pages/tab_other_settings.h"
#include "tests/gui/page_fixture.h"

namespace {

using orvik::console::SettingsButton;
using orvik::gui::CTabOtherSettings;
using Fixture = PageFixture<CTabOtherSettings>;

constexpr int kSettingsPage = 0;
const QString kHeader = QStringLiteral("Магазин Ромашка, вул. Садова 1, Київ 01001");  // 42

Fixture Model8() {
    return Fixture(Model8Register(), kSettingsPage);
}

void SetText(Fixture& settings, const char* field, const QString& text) {
    auto* edit = settings.Find<QLineEdit>(field);
    QVERIFY2(edit, field);
    edit->setText(text);
}

void Choose(Fixture& settings, const char* button) {
    auto* radio = settings.Find<QAbstractButton>(button);
    QVERIFY2(radio, button);
    radio->setChecked(true);
}

QString Text(Fixture& settings, const char* field) {
    return settings.Find<QLineEdit>(field)->text();
}

// Types the text into the field key by key, as a keyboard with that layout would.
void Type(QWidget* field, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

QTime PickerTime(Fixture& settings) {
    return settings.Find<QTimeEdit>("clockEdit")->time();
}

// One "Установить" button: how the page is filled first, what the register is then sent, and
// the text that follows the register's acceptance.
struct SettingRow {
    const char* button;
    std::function<void(Fixture&)> fill;
    QStringList commands;
    QString success;
};

std::vector<SettingRow> SettingRows() {
    return {
        {"cutterSetButton",
         [](Fixture& f) {
             f.Find<QCheckBox>("cutterCheck")->setChecked(false);
             f.Find<QCheckBox>("beeperCheck")->setChecked(true);
             f.Find<QCheckBox>("partialCutCheck")->setChecked(true);
         },
         {"CUTR011"},
         "Опции автообрезки и звукового сигнала успешно установлены."},
        {"headerSetButton",
         [](Fixture& f) {
             SetText(f, "headerEdit", kHeader);
             SetText(f, "footerEdit", QStringLiteral("Дякуємо!"));
         },
         {"HEAD" + kHeader, "BOTMДякуємо!"},
         "Текст заголовока и подвала чека успешно изменен."},
        // The register's answer to the new mode is read back at once.
        {"articleModeSetButton",
         [](Fixture& f) { Choose(f, "articleModeRadio1"); },
         {"ARMO1", "GLCN"},
         "Режим работы артикульной таблицы успешно установлен."},
        {"taxCalculationSetButton",
         [](Fixture& f) { Choose(f, "taxCalculationRadio1"); },
         {"PPMD1"},
         "Режим расчета наложенных налогов успешно установлен."},
        {"taxPrintSetButton",
         [](Fixture& f) { Choose(f, "taxPrintRadio0"); },
         {"PPOD1"},
         "Режим печати наложенных налогов успешно установлен."},
        {"taxPrintSetButton",
         [](Fixture& f) { Choose(f, "taxPrintRadio1"); },
         {"PPOD"},
         "Режим печати наложенных налогов успешно установлен."},
        {"messageSetSetButton",
         [](Fixture& f) { Choose(f, "messageSetRadio3"); },
         {"TMOD3"},
         "Набор служебных сообщений на чеке успешно установлен."},
        {"departmentSetButton",
         [](Fixture& f) { SetText(f, "departmentEdit", "Отд2"); },
         {"DEPTОтд2"},
         "Мнемоника торгового отдела успешно установлена."},
    };
}

}  // namespace

class TestTabOtherSettings : public QObject {
    Q_OBJECT

  private slots:
    void eachSetButtonSendsItsSettingAndReportsSuccess();
    void refusedSettingShowsNoSuccessAndHeaderRefusalKeepsTheFooter();
    void refreshReadsClockCutterArticleModeAndHeader();
    void familyZeroHasNoCutterAndTakesTheHeaderShort();
    void clockButtons();
    void fieldsKeepTheirLimits();
    void withoutRegisterButtonsDoNothing();
};

void TestTabOtherSettings::eachSetButtonSendsItsSettingAndReportsSuccess() {
    Fixture settings = Model8();
    START_PAGE(settings);
    for (const SettingRow& row : SettingRows()) {
        row.fill(settings);
        settings.Click(row.button);
        QCOMPARE(Texts(settings.NewCommands()), row.commands);
        QCOMPARE(settings.NewBoxes(), QStringList{"information: " + row.success});
        QVERIFY2(settings.console.prompt.entries.empty(), row.button);
    }
}

void TestTabOtherSettings::refusedSettingShowsNoSuccessAndHeaderRefusalKeepsTheFooter() {
    Fixture settings = Model8();
    START_PAGE(settings);
    for (const SettingRow& row : SettingRows()) {
        // The key is not at programming: the register refuses the first command.
        const std::u16string first = row.commands.front().left(4).toStdU16String();
        settings.console.Register().Faults().InjectStatus(first, u"SOFTSLPROG");
        row.fill(settings);
        settings.Click(row.button);
        // Nothing follows a refusal: not the footer after the header, not the counters after
        // the article mode.
        QCOMPARE(Texts(settings.NewCommands()), QStringList{row.commands.front()});
        QVERIFY2(settings.NewBoxes().isEmpty(), row.button);
        // The core has told why.
        QCOMPARE(settings.console.prompt.entries.size(), std::size_t{1});
        settings.console.prompt.entries.clear();
    }
}

void TestTabOtherSettings::refreshReadsClockCutterArticleModeAndHeader() {
    Fixture settings = Model8();
    settings.console.Register().WithState([](orvik::sim::RegisterState& state) {
        state.settings.cutter = false;
        state.settings.beeper = true;
        state.settings.partialCut = 1;
        state.counters.articleMode = 2;
        state.header = u"Кафе";
    });
    START_PAGE(settings);
    QVERIFY(!settings.Find<QCheckBox>("cutterCheck")->isChecked());
    QVERIFY(settings.Find<QCheckBox>("beeperCheck")->isChecked());
    QVERIFY(settings.Find<QCheckBox>("partialCutCheck")->isChecked());
    QVERIFY(settings.Find<QCheckBox>("partialCutCheck")->isVisible());
    QVERIFY(settings.Find<QRadioButton>("articleModeRadio2")->isChecked());
    // The configuration pads the line to its width; the field shows the line itself.
    QCOMPARE(Text(settings, "headerEdit"), QStringLiteral("Кафе"));
    // The register's clock, not the computer's.
    const QTime registerTime = settings.console.Register().WithState([](auto& state) {
        const auto now = state.clock.Now();
        return QTime(now.hour, now.minute, now.second);
    });
    QVERIFY(qAbs(PickerTime(settings).secsTo(registerTime)) <= 5);
}

void TestTabOtherSettings::familyZeroHasNoCutterAndTakesTheHeaderShort() {
    Fixture settings(ConsoleRegister(), kSettingsPage);
    START_PAGE(settings);
    QVERIFY(!settings.Find<QCheckBox>("partialCutCheck")->isVisible());

    // Family 0 has neither cutter nor beeper: nothing is sent and nothing is said.
    settings.Click("cutterSetButton");
    QVERIFY(settings.NewCommands().empty());
    QVERIFY(settings.NewBoxes().isEmpty());
    QVERIFY(settings.console.prompt.entries.empty());

    // It prints 18 characters of a header: it is told that much, says it is set, and the
    // fields show what it now holds, also after the pages are refreshed.
    const QString footer = QStringLiteral("Спасибо за покупку! Приходите к нам ещё!");
    SetText(settings, "headerEdit", kHeader + "!");
    SetText(settings, "footerEdit", footer);
    settings.Click("headerSetButton");
    QCOMPARE(Texts(settings.NewCommands()),
             QStringList({"HEAD" + kHeader.left(18), "BOTM" + footer.left(18)}));
    QCOMPARE(settings.NewBoxes(),
             QStringList{"information: Текст заголовока и подвала чека успешно изменен."});
    QCOMPARE(Text(settings, "headerEdit"), kHeader.left(18));
    QCOMPARE(Text(settings, "footerEdit"), footer.left(18));
    settings.console.Document().UpdateAllViews();
    QCOMPARE(Text(settings, "headerEdit"), kHeader.left(18));
}

void TestTabOtherSettings::clockButtons() {
    Fixture settings = Model8();
    START_PAGE(settings);
    orvik::sim::ReplyScripts& scripts = settings.console.Register().Scripts();

    scripts.Add(u"GETD", {u"GETD20250315081502", u"READY"}, 1);
    settings.Click("clockReadButton");
    QCOMPARE(PickerTime(settings), QTime(8, 15, 2));

    // A clock that reads month 13 is no date: the picker shows the computer's time.
    scripts.Add(u"GETD", {u"GETD20251315081502", u"READY"}, 1);
    settings.Click("clockReadButton");
    QCOMPARE(PickerTime(settings), QTime(10, 20, 30));

    // No answer leaves the picker as it was.
    scripts.Add(u"GETD", {u"SOFTPROTOC"}, 1);
    settings.Find<QTimeEdit>("clockEdit")->setTime(QTime(1, 2, 3));
    settings.Click("clockReadButton");
    QCOMPARE(PickerTime(settings), QTime(1, 2, 3));
    QCOMPARE(Texts(settings.NewCommands()), QStringList({"GETD", "GETD", "GETD"}));

    // The picker's time is sent, then read back; no box.
    settings.Find<QTimeEdit>("clockEdit")->setTime(QTime(9, 8, 7));
    scripts.Add(u"GETD", {u"GETD20250315090808", u"READY"}, 1);
    settings.Click("clockSetButton");
    QCOMPARE(Texts(settings.NewCommands()), QStringList({"CTIM090807", "GETD"}));
    QCOMPARE(PickerTime(settings), QTime(9, 8, 8));

    settings.Click("clockNowButton");
    QCOMPARE(PickerTime(settings), QTime(10, 20, 30));
    QVERIFY(settings.NewCommands().empty());
    QVERIFY(settings.NewBoxes().isEmpty());
}

void TestTabOtherSettings::fieldsKeepTheirLimits() {
    Fixture settings = Model8();
    START_PAGE(settings);
    auto* department = settings.Find<QLineEdit>("departmentEdit");
    QCOMPARE(department->text(), QStringLiteral("Відд."));
    department->clear();
    Type(department, QStringLiteral("Бакалія"));
    QCOMPARE(department->text(), QStringLiteral("Бакал"));

    for (const char* field : {"headerEdit", "footerEdit"}) {
        auto* edit = settings.Find<QLineEdit>(field);
        edit->clear();
        Type(edit, QString(50, QChar(u'Ж')));
        QCOMPARE(edit->text(), QString(43, QChar(u'Ж')));
    }
}

void TestTabOtherSettings::withoutRegisterButtonsDoNothing() {
    Fixture settings = Model8();
    START_PAGE(settings);
    settings.console.Frame().DisconnectAction()->trigger();
    QVERIFY(!settings.console.Document().IsConnected());
    settings.NewCommands();
    for (const SettingsButton button :
         {SettingsButton::ReadClock, SettingsButton::CurrentTime, SettingsButton::SetClock,
          SettingsButton::SetCutter, SettingsButton::SetHeaderFooter,
          SettingsButton::SetArticleMode, SettingsButton::SetTaxCalculation,
          SettingsButton::SetTaxPrint, SettingsButton::SetMessageSet,
          SettingsButton::SetDepartment}) {
        settings.page->Press(button);
    }
    QVERIFY(settings.NewCommands().empty());
    QVERIFY(settings.NewBoxes().isEmpty());
    QVERIFY(settings.console.prompt.entries.empty());
}

QTEST_MAIN(TestTabOtherSettings)
#include "tst_tab_other_settings.moc"
