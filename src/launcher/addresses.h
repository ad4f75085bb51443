// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// Everything outside the program that the web, help and mail actions name: our addresses, the
// browser programs the search looks for, the fixed browser paths and the sister viewer. The
// addresses are on reserved example domains, so no user and no test lands on somebody else's
// site; a release build puts the real ones here and nowhere else.
namespace launcher {

// The maker's home page, the page every found browser opens first.
inline const QString kMakerHomePage = QStringLiteral("https://brindle.example.org/");
// The sister product's home page and its how-to page.
inline const QString kSisterHomePage = QStringLiteral("https://kestrel.example.org/");
inline const QString kSisterHowTo = QStringLiteral("https://kestrel.example.org/howto.htm");
// The maker's mail address.
inline const QString kMakerMail = QStringLiteral("corvel@brindle.example.org");

// The browser programs the search looks for in every folder: the primary one ends the search,
// the alternative is kept in case no primary turns up.
inline const QString kPrimaryBrowser = QStringLiteral("firefox");
inline const QString kAlternativeBrowser = QStringLiteral("chromium");

// The desktop's own page opener at its usual places, tried in this order where an action
// names fixed paths.
inline const QStringList kFixedBrowsers = {QStringLiteral("/usr/bin/xdg-open"),
                                           QStringLiteral("/usr/local/bin/xdg-open")};

// The sister product's viewer in the program folder: started with no arguments when no
// browser was found, it opens the address written to prefs.txt beside it.
inline const QString kSisterViewer = QStringLiteral("kestrelview");
inline const QString kPrefsFile = QStringLiteral("prefs.txt");

// The help page, beside the executable (the build tree) or where `make install` puts it.
inline const QString kHelpPage = QStringLiteral("Corvel.html");

}  // namespace launcher
