#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "gui/controls/about_dlg.h"
#include "gui/controls/cj_hyperlink.h"
#include "gui/controls/hyperlink_open.h"
#include "gui/controls/program_version.h"

using namespace orvik::gui;

class TestAboutDlg : public QObject {
    Q_OBJECT

  private slots:
    void versionLine_data();
    void versionLine();
    void dialogShowsTheBuildVersionAndItsTexts();
    void linksOpenTheSuppliersWebAndMailTargets();
    void okClosesTheBox();
};

void TestAboutDlg::versionLine_data() {
    QTest::addColumn<uint>("majorNumber");
    QTest::addColumn<uint>("minorNumber");
    QTest::addColumn<uint>("buildNumber");
    QTest::addColumn<uint>("revisionNumber");
    QTest::addColumn<QString>("line");

    QTest::newRow("3.0.0.22") << 3u << 0u << 0u << 22u << QStringLiteral("Версия: 3,0,0,22");
    QTest::newRow("zeros") << 0u << 0u << 0u << 0u << QStringLiteral("Версия: 0,0,0,0");
    QTest::newRow("largest numbers") << 4294967295u << 65535u << 1u << 4294967295u
                                     << QStringLiteral("Версия: 4294967295,65535,1,4294967295");
}

void TestAboutDlg::versionLine() {
    QFETCH(uint, majorNumber);
    QFETCH(uint, minorNumber);
    QFETCH(uint, buildNumber);
    QFETCH(uint, revisionNumber);
    QFETCH(QString, line);
    QCOMPARE(orvik::gui::FormatVersionLine({majorNumber, minorNumber, buildNumber, revisionNumber}),
             line);
}

void TestAboutDlg::dialogShowsTheBuildVersionAndItsTexts() {
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(),
             QStringLiteral("Об административной консоли для ЭККР \"Орвик\""));

    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    QVERIFY(
        texts.contains(QStringLiteral("Административная консоль для настройки ЭККР \"Орвик\"")));
    QVERIFY(texts.contains(QStringLiteral("Версия: " ORVIK_EXPECTED_VERSION_NUMBERS)));
    QVERIFY(texts.contains(QStringLiteral("Распространение и поддержка:")));

    const auto* icon = dialog.findChild<QLabel*>(QStringLiteral("iconLabel"));
    QVERIFY(icon);
    QVERIFY(!icon->pixmap().isNull());
}

void TestAboutDlg::linksOpenTheSuppliersWebAndMailTargets() {
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QList<CCJHyperLink*> links = dialog.findChildren<CCJHyperLink*>();
    QCOMPARE(links.size(), 3);
    const auto* contacts = dialog.findChild<QGroupBox*>();
    QVERIFY(contacts);

    QStringList schemes;
    int insideFrame = 0;
    for (CCJHyperLink* link : links) {
        QVERIFY(link->IsSetUp());
        QVERIFY(link->isVisible());
        QVERIFY(!link->text().isEmpty());
        QVERIFY2(orvik::gui::IsOpenableTarget(QUrl(link->URL())), qPrintable(link->URL()));
        schemes.append(QUrl(link->URL()).scheme());
        if (contacts->isAncestorOf(link)) {
            ++insideFrame;
        }

        QList<QUrl> opened;
        link->SetOpener([&opened](const QUrl& url) {
            opened.append(url);
            return orvik::gui::kOpenSucceeded;
        });
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(opened, QList<QUrl>{QUrl(link->URL())});
        QVERIFY(link->IsVisited());
    }
    schemes.sort();
    QCOMPARE(schemes, (QStringList{"https", "mailto", "mailto"}));
    QCOMPARE(insideFrame, 2);
}

void TestAboutDlg::okClosesTheBox() {
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestAboutDlg)
#include "tst_about_dlg.moc"
