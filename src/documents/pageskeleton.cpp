#include "documents/pageskeleton.h"

#include "platform/bytetext.h"

namespace {

const QLatin1String kPageEnd("\r\n</BODY>\r\n</HTML>");

// " a=1 b=2 " from the attribute lines, or nothing when there are none.
QString bodyAttributes(const QString& lines)
{
    if (lines.isEmpty())
        return {};
    QString attributes = lines;
    attributes.replace(kCrLf, QLatin1String(" "));
    return u' ' + attributes + u' ';
}

} // namespace

QString pageSkeleton(const QString& title, const QString& body, const ProgProps& props)
{
    QString page;
    page.reserve(body.size() + props.Meta.size() + props.HTMLparams.size() + 160);
    page.append(QLatin1String(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
        "<TITLE>"));
    page.append(title).append(QLatin1String("</TITLE>\r\n</HEAD>\r\n"));
    if (props.tagsIN != kOff)
        page.append(props.Meta);
    page.append(kCrLf).append(QLatin1String("<BODY"));
    if (props.paramsin != kOff)
        page.append(bodyAttributes(props.HTMLparams));
    page.append(u'>').append(kCrLf).append(body).append(kPageEnd);
    return page;
}

TextEdit pageSkeletonEdit(const QString& text, const ProgProps& props)
{
    const QString page = pageSkeleton(QStringLiteral("New Document"), text, props);
    const qint32 bodyEnd = qint32(page.size() - kPageEnd.size());
    return TextEdit::wholeText(qint32(text.size()), page, bodyEnd, 0);
}
