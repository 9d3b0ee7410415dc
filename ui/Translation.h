// SPDX-FileCopyrightText: 2026 Talven developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sim/Liquids.h"

#include <QStringList>
#include <QTranslator>

// The language of the interface. The texts in the source are the designed
// Russian ones, so the Russian exercise needs no translation and is shown
// as designed even without one; English is a translation in the resources.
class Translation
{
public:
    enum class Language { Russian, English };

    // English when the desktop's languages (QLocale::uiLanguages, most
    // wanted first) name English before Russian, Russian otherwise.
    static Language choose(const QStringList &uiLanguages);

    // Loads the program's texts and Qt's own for the language; usable for
    // a message before the application exists.
    explicit Translation(Language language);

    // Installs both translators in the application.
    void install();

    // A text of the program in the language, without the application.
    QString text(const char *context, const char *source) const;

    // The liquids' names as the selector shows them.
    static Liquids::Names liquidNames();

private:
    QTranslator m_program, m_qt;
};
