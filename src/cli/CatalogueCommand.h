#pragma once

#include "cli/Command.h"

#include "catalogue/Catalogue.h"

namespace rx20::cli {

// catalogue: a window's copy of the operator catalogue, as its selectors
// offer it: the countries, a country's operators and preselection, and the
// preset an operator applies.
class CatalogueCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("catalogue"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral("Lists a window's countries, operators and presets.");
    }

    // "wireless", "mms", "mail": how --copy names a window's copy.
    static QString copyName(catalogue::Copy copy);

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;

private:
    static void printPreset(const catalogue::Preset *preset, bool json, Console &console,
                            QJsonObject *object);
};

} // namespace rx20::cli
