#pragma once

#include "catalogue/Catalogue.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace rx20::ui {

class LinkLabel;

// The "Newer settings…" link beside a window's operator choice. The catalogue's
// Auto values are those of the design's era; where later public lists write
// other values for the chosen operator's network (the operator's own, or those
// of the operator that took the network over), the link is shown while Setting
// Mode is Auto. Following it tells the owner the values, whose they are and
// which list gives them, and offers to type them in.
class NewerSettingsLink : public QObject
{
    Q_OBJECT

public:
    // A preset column the window writes, and the caption of its box.
    struct Field
    {
        QString column; // "apn", "account", "password", "url" or "ip"
        QString caption;
    };

    // Owned by the link; hides it until follow() finds values.
    NewerSettingsLink(LinkLabel *link, QList<Field> fields);

    // Shows the link only in Auto, for a preset with later values of the
    // window's columns: the operator's own where it has any, else its successor's.
    void follow(const catalogue::Preset *preset, bool autoMode);

    // Tells the owner about the values. Returns them by column when the owner
    // chooses to use them, nothing otherwise. `generate` is the caption of
    // the button that writes the file.
    QHash<QString, QString> offer(QWidget *parent, const QString &generate) const;

    // What offer() shows (the tests and screen readers read the same text).
    QString message(const QString &generate) const;

private:
    QString caption(const QString &column) const;

    LinkLabel *m_link;
    QList<Field> m_fields;
    QList<catalogue::NewerValue> m_values;
    QString m_operator;
    QString m_country;
};

} // namespace rx20::ui
