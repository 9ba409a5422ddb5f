#pragma once

#include <QString>
#include <QUrl>

namespace Sardek
{

class Runtime;

/// The product's home page, as the About window shows it.
QString homePageAddress();
/// The support mail address, as the About window shows it.
QString supportMailAddress();

/// The home page as a web link.
QUrl homePageUrl();
/// A mailto: link to supportMailAddress() with the subject line "Sardek for Windows v1.10"
/// (the subject support has always filtered on, kept when the version moved on).
QUrl supportMailUrl();

/// Asks the desktop to show the home page in the default browser (the About window's web link
/// and the main menu's "&Check for Updates"). A link nothing on the desktop takes is ignored:
/// the player sees nothing happen, and no message.
void OpenHomePage(Runtime &runtime);
/// Asks the desktop to start a new message to support in the default mail program; ignored
/// likewise when refused.
void OpenSupportMail(Runtime &runtime);

} // namespace Sardek
