#include "ui/Forms.h"

#include <QTest>
#include <QWidget>

using rx20::ui::Forms;

class tst_Forms : public QObject
{
    Q_OBJECT

    int m_loads = 0;

private slots:
    void init()
    {
        Forms::reset();
        m_loads = 0;
        Forms::define("Form9", [this] {
            ++m_loads;
            return new QWidget;
        });
    }
    void cleanup() { Forms::reset(); }

    void firstShowLoadsLaterShowsReuse()
    {
        QVERIFY(!Forms::loaded("Form9"));
        QWidget *first = Forms::show("Form9");
        QVERIFY(first && first->isVisible());
        Forms::hide("Form9");
        QVERIFY(!first->isVisible());
        QCOMPARE(Forms::show("Form9"), first);
        QCOMPARE(m_loads, 1);
    }

    void unloadDiscardsAndNextShowLoadsAfresh()
    {
        QPointer<QWidget> first = Forms::show("Form9");
        Forms::unload("Form9");
        QVERIFY(!Forms::loaded("Form9"));
        QTRY_VERIFY(first.isNull());
        QWidget *second = Forms::show("Form9");
        QVERIFY(second);
        QCOMPARE(m_loads, 2);
    }

    void hideOrUnloadOfAWindowNotLoadedDoesNothing()
    {
        Forms::hide("Form9");
        Forms::unload("Form9");
        QCOMPARE(m_loads, 0);
    }
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
