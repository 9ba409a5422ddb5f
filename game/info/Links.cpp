#include "info/Links.h"

#include "runtime/Runtime.h"

#include <QUrlQuery>

namespace Sardek
{

namespace
{

// Placeholder addresses under the domain reserved for examples until the product has its own.
constexpr char HomePage[] = "https://www.example.com/sardek";
constexpr char SupportAddress[] = "support@example.com";
constexpr char SupportSubject[] = "Sardek for Windows v1.10";

} // namespace

QString homePageAddress()
{
    return QString::fromLatin1(HomePage);
}

QString supportMailAddress()
{
    return QString::fromLatin1(SupportAddress);
}

QUrl homePageUrl()
{
    return QUrl(homePageAddress());
}

QUrl supportMailUrl()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(supportMailAddress());
    // QUrlQuery encodes blanks as %20; mail programs show a '+' literally.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(SupportSubject));
    url.setQuery(query);
    return url;
}

void OpenHomePage(Runtime &runtime)
{
    runtime.OpenLink(homePageUrl());
}

void OpenSupportMail(Runtime &runtime)
{
    runtime.OpenLink(supportMailUrl());
}

} // namespace Sardek
