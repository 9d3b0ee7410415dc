// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translation::Language Translation::choose(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        switch (QLocale(tag).language()) {
        case QLocale::English:
            return Language::English;
        case QLocale::Russian:
            return Language::Russian;
        default:
            break;
        }
    }
    return Language::Russian;
}

Translation::Translation(Language language)
{
    const QString name =
        language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
    if (language != Language::Russian) // the source texts are Russian
        (void)m_program.load(QStringLiteral(":/i18n/talven_") + name);
    // Without Debian's Qt translations Qt's own texts stay English.
    (void)m_qt.load(QStringLiteral("qtbase_") + name,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translation::install()
{
    for (QTranslator *translator : {&m_qt, &m_program})
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
}

QString Translation::text(const char *context, const char *source) const
{
    const QString translated = m_program.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

Liquids::Names Translation::liquidNames()
{
    Liquids::Names names;
    for (int i = 0; i < Liquids::count; ++i)
        names[i] = QCoreApplication::translate("Liquids", Liquids::catalogue[i].name);
    return names;
}
