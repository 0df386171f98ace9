#include "ui/DropDown.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using rx20::ui::DropDown;

class tst_DropDown : public QObject
{
    Q_OBJECT

private slots:
    void designTextNeedNotBeAnItem()
    {
        DropDown box("Combo8", DropDown::Editable);
        box.replaceItems({"Low", "Normal", "High"}, "Auto");
        QCOMPARE(box.text(), QStringLiteral("Auto"));
        QCOMPARE(box.count(), 3);
    }

    void appendingKeepsTheText()
    {
        DropDown box("Combo4", DropDown::Editable);
        box.replaceItems({"China Mobile", "China Unicom"}, "");
        QCOMPARE(box.text(), QString());
        box.clearList();
        box.appendItem("O2(Prepaid)");
        box.appendItem("O2(Vertrag)");
        QCOMPARE(box.text(), QString());
        QCOMPARE(box.count(), 2);
    }

    void clearListEmptiesTheText()
    {
        DropDown box("Combo4", DropDown::Editable);
        box.replaceItems({"a", "b"}, "b");
        box.clearList();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.text(), QString());
    }

    void typingAndSettingNeverPick()
    {
        DropDown box("Combo3", DropDown::Editable);
        box.replaceItems({"Canada", "China", "United Kingdom"}, "");
        box.show();
        QSignalSpy picks(&box, &QComboBox::activated);
        box.lineEdit()->setFocus();
        QTest::keyClicks(box.lineEdit(), "United Kingdom");
        QCOMPARE(picks.count(), 0);
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(picks.count(), 0);
        box.clearFocus();
        QCOMPARE(picks.count(), 0);
        box.setText("China");
        QCOMPARE(picks.count(), 0);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.text(), QStringLiteral("China"));
    }

    void arrowKeyPicksTheNextItem()
    {
        DropDown box("Combo3", DropDown::Editable);
        box.replaceItems({"Canada", "China"}, "");
        box.show();
        QSignalSpy picks(&box, &QComboBox::activated);
        box.setCurrentIndex(0);
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(picks.count(), 1);
        QCOMPARE(box.text(), QStringLiteral("China"));
    }

    void choiceOnlySelectsExactItem()
    {
        DropDown box("Combo8", DropDown::ChoiceOnly);
        box.replaceItems({"No SSL", "SSL"}, "SSL");
        QCOMPARE(box.text(), QStringLiteral("SSL"));
        QVERIFY(!box.isEditable());
    }
};

QTEST_MAIN(tst_DropDown)
#include "tst_dropdown.moc"
