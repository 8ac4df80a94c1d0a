// The connection bar's checks and the keyboard lock indicators, without a window.
#include <QTest>

#include "gui/controls/qt_text.h"
#include "gui/document/connection_rules.h"

using namespace orvik::gui;

using orvik::gui::ConnectionValues;

class TestConnectionRules : public QObject {
    Q_OBJECT

  private slots:
    void firstProblemIsReportedInOrder_data();
    void firstProblemIsReportedInOrder();
    void locksComeFromTheModifierMask_data();
    void locksComeFromTheModifierMask();
};

void TestConnectionRules::firstProblemIsReportedInOrder_data() {
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("problem");  // empty: none

    const QString port = orvik::gui::LoadText(orvik::kStrNoPort);
    const QString name = orvik::gui::LoadText(orvik::kStrNoOperatorName);
    const QString password = orvik::gui::LoadText(orvik::kStrNoPassword);
    QTest::newRow("all empty") << ""
                               << ""
                               << "" << port;
    QTest::newRow("port only missing") << ""
                                       << "Касир"
                                       << "1234567890" << port;
    QTest::newRow("name and password missing") << "COM1"
                                               << ""
                                               << "" << name;
    QTest::newRow("name missing") << "COM24"
                                  << ""
                                  << "1" << name;
    QTest::newRow("password missing") << "COM1"
                                      << "Касир"
                                      << "" << password;
    QTest::newRow("one character") << "COM1"
                                   << "Касир"
                                   << "1"
                                   << "";
    QTest::newRow("five characters") << "COM2"
                                     << "Касир"
                                     << "12345"
                                     << "";
    QTest::newRow("ten characters") << "COM2"
                                    << "СЕРВІС"
                                    << "1234567890"
                                    << "";
    QTest::newRow("blank password") << "COM2"
                                    << "Касир"
                                    << " "
                                    << "";
}

void TestConnectionRules::firstProblemIsReportedInOrder() {
    QFETCH(QString, port);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, problem);

    const ConnectionValues values{port.toStdString(), name.toStdU16String(),
                                  password.toStdU16String()};
    const auto found = orvik::gui::FirstConnectionProblem(values);
    QCOMPARE(found ? QString::fromUtf16(found->data(), static_cast<qsizetype>(found->size()))
                   : QString(),
             problem);
}

void TestConnectionRules::locksComeFromTheModifierMask_data() {
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<bool>("capsLock");

    QTest::newRow("none") << 0u << false << false;
    QTest::newRow("shift and control only") << (0x01u | 0x04u) << false << false;
    QTest::newRow("caps lock") << 0x02u << false << true;
    QTest::newRow("num lock") << 0x10u << true << false;
    QTest::newRow("both, with shift") << (0x01u | 0x02u | 0x10u) << true << true;
    QTest::newRow("alt (mod1) is not num lock") << 0x08u << false << false;
}

void TestConnectionRules::locksComeFromTheModifierMask() {
    QFETCH(quint32, mask);
    QFETCH(bool, numLock);
    QFETCH(bool, capsLock);
    const auto locks = orvik::gui::LocksFromModifierMask(mask);
    QCOMPARE(locks.numLock, numLock);
    QCOMPARE(locks.capsLock, capsLock);
}

QTEST_APPLESS_MAIN(TestConnectionRules)
#include "tst_connection_rules.moc"
