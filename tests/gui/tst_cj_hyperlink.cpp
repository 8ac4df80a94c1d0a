#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "gui/controls/cj_hyperlink.h"
#include "gui/controls/hyperlink_open.h"
#include "gui/controls/label_fit.h"

using namespace orvik::gui;

namespace {

const QColor kLinkColour(0, 0, 238);
const QColor kVisitedColour(85, 26, 139);

// A window with room around the link, so that the mouse can leave it.
struct LinkWindow {
    QWidget window;
    CCJHyperLink* link = nullptr;

    explicit LinkWindow(const QString& text, const QString& url) {
        window.resize(320, 160);
        link = new CCJHyperLink(text, &window);
        link->SetURL(url);
        link->move(40, 60);
    }
    bool Show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

// Records every target the label asks to open and answers a fixed status.
struct RecordingOpener {
    QList<QUrl> opened;
    int status = orvik::gui::kOpenSucceeded;

    orvik::gui::UrlOpener Opener() {
        return [this](const QUrl& url) {
            opened.append(url);
            return status;
        };
    }
};

bool ImageContainsColour(const QImage& image, const QColor& colour) {
    const QRgb wanted = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) == (wanted & 0xFFFFFFu)) {
                return true;
            }
        }
    }
    return false;
}

QColor PaintedColour(const CCJHyperLink& link) {
    return link.palette().color(QPalette::Active, link.foregroundRole());
}

}  // namespace

class TestHyperLink : public QObject {
    Q_OBJECT

  private slots:
    void errorDescription_data();
    void errorDescription();
    void failureTextLeadsWithTheHeading();
    void openOnlyWebAndMailTargets_data();
    void openOnlyWebAndMailTargets();
    void fitRectToText_data();
    void fitRectToText();

    void setUpShowsUrlWhenTextIsEmpty();
    void setUpTakesTextAsUrlWhenUrlIsEmpty();
    void setUpGivesUnderlineHandCursorAndTooltip();
    void freeLabelIsFittedToItsText();
    void hoverChangesColourAndLeavingRestoresIt();
    void successfulClickLeavesTheLinkVisited();
    void failedOpenShowsTheErrorAndStaysUnvisited();
    void localFileTargetIsRefusedWithoutOpening();
    void failureBoxIsCaptionedWithTheMainWindowsTitle();
};

void TestHyperLink::errorDescription_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("description");

    QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
    QTest::newRow("2") << 2 << "The specified file was not found.";
    QTest::newRow("3") << 3 << "The specified path was not found.";
    QTest::newRow("5") << 5 << "The operating system denied\naccess to the specified file.";
    QTest::newRow("8") << 8 << "There was not enough memory to complete the operation.";
    QTest::newRow("11") << 11
                        << "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    QTest::newRow("26") << 26 << "A sharing violation occurred. ";
    QTest::newRow("27") << 27 << "The filename association is\nincomplete or invalid.";
    QTest::newRow("28") << 28
                        << "The DDE transaction could not\nbe completed because the request "
                           "timed out.";
    QTest::newRow("29") << 29 << "The DDE transaction failed.";
    QTest::newRow("30") << 30
                        << "The DDE transaction could not\nbe completed because other DDE "
                           "transactions\nwere being processed.";
    QTest::newRow("31") << 31
                        << "There is no application associated\nwith the given filename "
                           "extension.";
    QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
    QTest::newRow("1") << 1 << "Unknown Error (1) occurred.";
    QTest::newRow("4") << 4 << "Unknown Error (4) occurred.";
    QTest::newRow("25") << 25 << "Unknown Error (25) occurred.";
    QTest::newRow("negative") << -7 << "Unknown Error (-7) occurred.";
}

void TestHyperLink::errorDescription() {
    QFETCH(int, status);
    QFETCH(QString, description);
    QCOMPARE(orvik::gui::HyperlinkErrorDescription(status), description);
}

void TestHyperLink::failureTextLeadsWithTheHeading() {
    QCOMPARE(orvik::gui::HyperlinkFailureText(26),
             QStringLiteral("Unable to open hyperlink:\n\nA sharing violation occurred. "));
}

void TestHyperLink::openOnlyWebAndMailTargets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");

    QTest::newRow("https") << "https://orvik.example/" << orvik::gui::kOpenSucceeded;
    QTest::newRow("http with path") << "http://orvik.example/a?b=1" << orvik::gui::kOpenSucceeded;
    QTest::newRow("scheme in capitals") << "HTTPS://ORVIK.EXAMPLE" << orvik::gui::kOpenSucceeded;
    QTest::newRow("mail") << "mailto:support@orvik.example" << orvik::gui::kOpenSucceeded;
    QTest::newRow("blanks around") << "  https://orvik.example  " << orvik::gui::kOpenSucceeded;
    QTest::newRow("empty") << "" << orvik::gui::kOpenNoTarget;
    QTest::newRow("blank") << "   " << orvik::gui::kOpenNoTarget;
    QTest::newRow("local file") << "file:///etc/passwd" << orvik::gui::kOpenRefused;
    QTest::newRow("bare path") << "/etc/passwd" << orvik::gui::kOpenRefused;
    QTest::newRow("script") << "javascript:alert(1)" << orvik::gui::kOpenRefused;
    QTest::newRow("ftp") << "ftp://orvik.example/" << orvik::gui::kOpenRefused;
    QTest::newRow("web without host") << "http://" << orvik::gui::kOpenRefused;
    QTest::newRow("mail without address") << "mailto:" << orvik::gui::kOpenRefused;
    QTest::newRow("no scheme") << "orvik.example" << orvik::gui::kOpenRefused;
}

void TestHyperLink::openOnlyWebAndMailTargets() {
    QFETCH(QString, target);
    QFETCH(int, status);

    RecordingOpener opener;
    QCOMPARE(orvik::gui::OpenURL(target, opener.Opener()), status);
    const bool shouldOpen = orvik::gui::OpenSucceeded(status);
    QCOMPARE(opener.opened.size(), shouldOpen ? 1 : 0);
    if (shouldOpen) {
        QCOMPARE(opener.opened.front(), QUrl(target.trimmed()));
    }
}

void TestHyperLink::fitRectToText_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("current");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QRect>("expected");

    const QRect box(100, 50, 200, 40);
    QTest::newRow("left top") << int(Qt::AlignLeft | Qt::AlignTop) << box << QSize(80, 16)
                              << QRect(100, 50, 80, 16);
    QTest::newRow("left vcentre") << int(Qt::AlignLeft | Qt::AlignVCenter) << box << QSize(80, 16)
                                  << QRect(100, 62, 80, 16);
    QTest::newRow("right keeps right edge")
        << int(Qt::AlignRight | Qt::AlignTop) << box << QSize(80, 16) << QRect(220, 50, 80, 16);
    QTest::newRow("centre shrinks")
        << int(Qt::AlignCenter) << box << QSize(80, 16) << QRect(160, 62, 80, 16);
    QTest::newRow("centre grows") << int(Qt::AlignCenter) << box << QSize(260, 60)
                                  << QRect(70, 40, 260, 60);
    QTest::newRow("right grows leftwards")
        << int(Qt::AlignRight | Qt::AlignBottom) << box << QSize(260, 20) << QRect(40, 50, 260, 20);
}

void TestHyperLink::fitRectToText() {
    QFETCH(int, alignment);
    QFETCH(QRect, current);
    QFETCH(QSize, text);
    QFETCH(QRect, expected);
    QCOMPARE(orvik::gui::FitRectToText(current, text, Qt::Alignment(alignment)), expected);
}

void TestHyperLink::setUpShowsUrlWhenTextIsEmpty() {
    LinkWindow fixture(QString(), QStringLiteral("https://orvik.example/"));
    QVERIFY(!fixture.link->IsSetUp());
    QVERIFY(fixture.Show());
    QVERIFY(fixture.link->IsSetUp());
    QCOMPARE(fixture.link->text(), QStringLiteral("https://orvik.example/"));
    QCOMPARE(fixture.link->URL(), QStringLiteral("https://orvik.example/"));
}

void TestHyperLink::setUpTakesTextAsUrlWhenUrlIsEmpty() {
    LinkWindow fixture(QStringLiteral("https://orvik.example/prices"), QString());
    QVERIFY(fixture.Show());
    QCOMPARE(fixture.link->URL(), QStringLiteral("https://orvik.example/prices"));

    // A later target updates the tooltip but leaves the label's own text alone.
    fixture.link->SetURL(QStringLiteral("https://orvik.example/other"));
    QCOMPARE(fixture.link->toolTip(), QStringLiteral("https://orvik.example/other"));
    QCOMPARE(fixture.link->text(), QStringLiteral("https://orvik.example/prices"));
}

void TestHyperLink::setUpGivesUnderlineHandCursorAndTooltip() {
    LinkWindow fixture(QStringLiteral("Сайт"), QStringLiteral("https://orvik.example/"));
    QCOMPARE(PaintedColour(*fixture.link), kLinkColour);
    QCOMPARE(fixture.link->HoverColour(),
             QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    QVERIFY(fixture.Show());

    QVERIFY(fixture.link->font().underline());
    QCOMPARE(fixture.link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(fixture.link->toolTip(), QStringLiteral("https://orvik.example/"));
    QVERIFY(ImageContainsColour(fixture.link->grab().toImage(), kLinkColour));

    fixture.link->SetUnderline(false);
    QVERIFY(!fixture.link->font().underline());
}

void TestHyperLink::freeLabelIsFittedToItsText() {
    QWidget window;
    window.resize(400, 200);
    auto* link = new CCJHyperLink(QStringLiteral("support@orvik.example"), &window);
    link->setAlignment(Qt::AlignRight | Qt::AlignTop);
    link->setGeometry(20, 30, 360, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QSize text = QFontMetrics(link->font()).size(0, link->text());
    QCOMPARE(link->geometry(), QRect(380 - text.width(), 30, text.width(), text.height()));
}

void TestHyperLink::hoverChangesColourAndLeavingRestoresIt() {
    LinkWindow fixture(QStringLiteral("Сайт поставщика"), QStringLiteral("https://orvik.example/"));
    QVERIFY(fixture.Show());
    const QColor hover = fixture.link->HoverColour();
    QVERIFY(hover != kLinkColour);

    QTest::mouseMove(fixture.link, fixture.link->rect().center());
    QTRY_VERIFY(fixture.link->IsOver());
    QCOMPARE(PaintedColour(*fixture.link), hover);
    QVERIFY(ImageContainsColour(fixture.link->grab().toImage(), hover));

    QTest::mouseMove(&fixture.window, QPoint(5, 5));
    QTRY_VERIFY(!fixture.link->IsOver());
    QCOMPARE(PaintedColour(*fixture.link), kLinkColour);
    QVERIFY(ImageContainsColour(fixture.link->grab().toImage(), kLinkColour));
}

void TestHyperLink::successfulClickLeavesTheLinkVisited() {
    LinkWindow fixture(QStringLiteral("Сайт"), QStringLiteral("https://orvik.example/"));
    RecordingOpener opener;
    QStringList shown;
    fixture.link->SetOpener(opener.Opener());
    fixture.link->SetFailurePresenter(
        [&shown](QWidget*, const QString& text) { shown.append(text); });
    QVERIFY(fixture.Show());

    QTest::mouseMove(fixture.link, fixture.link->rect().center());
    QTest::mouseClick(fixture.link, Qt::LeftButton, {}, fixture.link->rect().center());
    QCOMPARE(opener.opened, QList<QUrl>{QUrl(QStringLiteral("https://orvik.example/"))});
    QVERIFY(fixture.link->IsVisited());
    QVERIFY(shown.isEmpty());

    QTest::mouseMove(&fixture.window, QPoint(5, 5));
    QTRY_VERIFY(!fixture.link->IsOver());
    QCOMPARE(PaintedColour(*fixture.link), kVisitedColour);

    // A later failure does not take the visited colour away.
    opener.status = 26;
    QTest::mouseClick(fixture.link, Qt::LeftButton, {}, fixture.link->rect().center());
    QVERIFY(fixture.link->IsVisited());
    QCOMPARE(shown.size(), 1);

    // A press that ends off the label is no click.
    QTest::mousePress(fixture.link, Qt::LeftButton, {}, fixture.link->rect().center());
    QTest::mouseRelease(fixture.link, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(opener.opened.size(), 2);
}

void TestHyperLink::failedOpenShowsTheErrorAndStaysUnvisited() {
    LinkWindow fixture(QStringLiteral("Почта"), QStringLiteral("mailto:dev@orvik.example"));
    RecordingOpener opener;
    opener.status = 26;
    QStringList shown;
    QList<QWidget*> parents;
    fixture.link->SetOpener(opener.Opener());
    fixture.link->SetFailurePresenter([&](QWidget* parent, const QString& text) {
        parents.append(parent);
        shown.append(text);
    });
    QVERIFY(fixture.Show());

    QTest::mouseClick(fixture.link, Qt::LeftButton, {}, fixture.link->rect().center());
    QCOMPARE(opener.opened.size(), 1);
    QCOMPARE(shown, QStringList{"Unable to open hyperlink:\n\nA sharing violation occurred. "});
    QCOMPARE(parents, QList<QWidget*>{fixture.link});
    QVERIFY(!fixture.link->IsVisited());
    QCOMPARE(fixture.link->TextColour(),
             fixture.link->IsOver() ? fixture.link->HoverColour() : kLinkColour);
}

void TestHyperLink::localFileTargetIsRefusedWithoutOpening() {
    LinkWindow fixture(QStringLiteral("Пароли"), QStringLiteral("file:///etc/passwd"));
    RecordingOpener opener;
    QStringList shown;
    fixture.link->SetOpener(opener.Opener());
    fixture.link->SetFailurePresenter(
        [&shown](QWidget*, const QString& text) { shown.append(text); });
    QVERIFY(fixture.Show());

    QCOMPARE(fixture.link->Open(), orvik::gui::kOpenRefused);
    QTest::mouseClick(fixture.link, Qt::LeftButton, {}, fixture.link->rect().center());
    QVERIFY(opener.opened.isEmpty());
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.back(), orvik::gui::HyperlinkFailureText(orvik::gui::kOpenRefused));
    QVERIFY(!fixture.link->IsVisited());
}

void TestHyperLink::failureBoxIsCaptionedWithTheMainWindowsTitle() {
    // The main window, and a box of its own (the About box) holding the link.
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Административная консоль для ЭККР \"Орвик\""));
    QDialog about(&mainWindow);
    about.setWindowTitle(QStringLiteral("Об административной консоли для ЭККР \"Орвик\""));
    auto* link = new CCJHyperLink(QStringLiteral("www.orvik.example"), &about);
    link->SetURL(QStringLiteral("https://orvik.example/"));
    RecordingOpener opener;
    opener.status = orvik::gui::kOpenNoHandler;
    link->SetOpener(opener.Opener());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    // The real box: read and closed as soon as it is up.
    QString caption;
    QString text;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    QCOMPARE(link->Open(), orvik::gui::kOpenNoHandler);
    closer.stop();

    QCOMPARE(text, orvik::gui::HyperlinkFailureText(orvik::gui::kOpenNoHandler));
    QCOMPARE(caption, mainWindow.windowTitle());
}

QTEST_MAIN(TestHyperLink)
#include "tst_cj_hyperlink.moc"
