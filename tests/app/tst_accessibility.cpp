#include "WindowUnderTest.h"

#include <QAccessible>
#include <QLabel>

// What a screen reader announces for each control: its name, what it is
// for and its kind, as QAccessible hands them to the platform's bridge.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsAreAnnounced_data();
    void controlsAreAnnounced();
    void fieldsAreLabelledByTheirCaptions_data();
    void fieldsAreLabelledByTheirCaptions();
};

void TestAccessibility::initTestCase()
{
    // As when a screen reader is listening.
    QAccessible::setActive(true);
}

void TestAccessibility::controlsAreAnnounced_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("card page") << "ts1" << QAccessible::Client << "卡密打印"
                               << "打印充值卡的卡号和密码";
    QTest::newRow("card number") << "edt1" << QAccessible::EditableText << "卡号"
                                 << "充值卡的卡号";
    QTest::newRow("password") << "edt2" << QAccessible::EditableText << "密码"
                              << "充值卡的密码";
    QTest::newRow("card print button") << "btn1" << QAccessible::Button << "打印卡密"
                                       << "把卡号和密码打印成小票";
    QTest::newRow("note page") << "ts2" << QAccessible::Client << "便笺打印" << "打印一段便笺";
    QTest::newRow("note") << "mmo1" << QAccessible::EditableText << "便笺"
                          << "便笺的内容，每行打印成小票的一行";
    QTest::newRow("note print button") << "btn2" << QAccessible::Button << "打印便笺"
                                       << "把便笺打印成小票";
}

void TestAccessibility::controlsAreAnnounced()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    WindowUnderTest w;
    auto* widget = w.find<QWidget>(control.toLatin1().constData());
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void TestAccessibility::fieldsAreLabelledByTheirCaptions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");

    QTest::newRow("card number") << "edt1" << "lbl1";
    QTest::newRow("password") << "edt2" << "lbl2";
}

// The captions stay tied to their fields: a reader moving by labels lands
// on the field, and the label's shortcut focuses it.
void TestAccessibility::fieldsAreLabelledByTheirCaptions()
{
    QFETCH(QString, field);
    QFETCH(QString, label);

    WindowUnderTest w;
    auto* edit = w.find<QWidget>(field.toLatin1().constData());
    auto* caption = w.find<QLabel>(label.toLatin1().constData());
    QVERIFY(edit && caption);
    QCOMPARE(caption->buddy(), edit);

    QAccessibleInterface* fieldIface = QAccessible::queryAccessibleInterface(edit);
    QAccessibleInterface* captionIface = QAccessible::queryAccessibleInterface(caption);
    QVERIFY(fieldIface && captionIface);
    const auto labels = fieldIface->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first, captionIface);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
