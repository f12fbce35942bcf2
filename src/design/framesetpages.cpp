#include "design/framesetpages.h"

#include "core/progprops.h"
#include "core/sharedroutines.h"
#include "design/filetext.h"
#include "platform/bytetext.h"

#include <QFile>

namespace {

// Joins lines with CR LF after each but the last.
class Lines
{
public:
    Lines& operator<<(const QString& line)
    {
        if (m_any)
            m_text += kCrLf;
        m_text += line;
        m_any = true;
        return *this;
    }
    Lines& operator<<(const char* line) { return *this << QString::fromLatin1(line); }
    QString text() const { return m_text; }

private:
    QString m_text;
    bool m_any = false;
};

QString quoted(const char* name, const QString& value)
{
    return QLatin1String(name) + QLatin1String("=\"") + value + QLatin1Char('"');
}

// A path written into a page: the file system's bytes of it, so that the page stays byte text
// and names the file also when the path holds letters beyond one byte.
QString pathInPage(const QString& path)
{
    return bytesToText(QFile::encodeName(path));
}

} // namespace

QString framesetMeta(const ProgProps& props)
{
    return props.tagsIN != 0 ? props.Meta : QString();
}

QString bodyAttributes(quint32 colour, quint32 noColour, const QString& image, bool fixed)
{
    QString attributes;
    if (colour != noColour)
        attributes += QLatin1Char(' ') + quoted("bgcolor", ColorToHtml(colour));
    if (!image.isEmpty()) {
        attributes += QLatin1Char(' ') + quoted("background", pathInPage(image));
        if (fixed)
            attributes += QLatin1String(" bgproperties=\"fixed\"");
    }
    return attributes;
}

QString frameBodyAttributes(const FrameRec& frame)
{
    return bodyAttributes(frame.BackColor, kFrameNoColour, frame.Image, frame.Watermark);
}

QString pageBodyAttributes(const PageRec& page)
{
    return bodyAttributes(page.BackColor, kPageNoColour, page.Image, page.Watermark);
}

QString ordinaryPage(const QString& title, const QString& attributes, const QString& meta)
{
    Lines page;
    page << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
         << "<HTML>"
         << "<HEAD>" << QLatin1String("<TITLE>") + title + QLatin1String("</TITLE>") << "</HEAD>"
         << meta << QLatin1String("<BODY") + attributes + QLatin1Char('>') << ""
         << "</BODY>"
         << "</HTML>";
    return page.text();
}

QString frameLine(const FrameRec& frame)
{
    return QLatin1String("<FRAME ") + quoted("name", frame.FrameName) + QLatin1Char(' ') +
           quoted("src", pathInPage(frame.Src)) + QLatin1Char(' ') +
           quoted("scrolling", frame.Scrolling) +
           (frame.Resizable ? QLatin1String("") : QLatin1String(" noresize")) + QLatin1Char('>');
}

QString nestedFramesetLine(const PageRec& page, Nesting nesting)
{
    const QString layout =
        nesting == Nesting::Rows ? quoted("rows", page.Rows) : quoted("cols", page.Cols);
    return QLatin1String("<FRAMESET ") + layout + QLatin1String(" >");
}

QString outerFramesetLine(const PageRec& page, Nesting nesting)
{
    const QString spacing =
        page.Spacing != 0 || page.Border
            ? quoted("framespacing", QString::number(page.Spacing)) +
                  QLatin1String(" border=\"1\" ")
            : QStringLiteral("framespacing=\"0\" border=\"0\" frameborder = \"0\" ");
    // A layout whose nested frameset splits rows splits its outer one by columns.
    const bool byColumns = nesting == Nesting::Rows || page.Rows.isEmpty();
    const QString layout = byColumns ? quoted("cols", page.Cols) : quoted("rows", page.Rows);
    return QLatin1String("<FRAMESET ") + spacing + layout + QLatin1Char('>');
}

QString framesetPage(const FramesetDesign& design, qint16 preset, const QString& meta)
{
    const Nesting nesting = framesetPreset(preset).nesting;
    Lines page;
    page << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\">"
         << "<HTML>"
         << "<HEAD>"
         << "<TITLE>Frame Page</TITLE>"
         << "</HEAD>" << meta << "" << outerFramesetLine(design.Page, nesting);
    const std::vector<FrameRec>& frames = design.Frames;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (i == 1 && nesting != Nesting::None)
            page << nestedFramesetLine(design.Page, nesting);
        page << frameLine(frames[i]);
        // The nested frameset holds frames 1 and 2 (those of them there are).
        const bool closesNested = i == 2 || (i == 1 && frames.size() == 2);
        if (closesNested && nesting != Nesting::None)
            page << "</FRAMESET>";
    }
    page << "<NOFRAMES>"
         << "<P>es gverdi iyenebs freimebs.Tqveni brauzeri ar iyenebs freimebs.</P>"
         << "</NOFRAMES>"
         << "</FRAMESET>";
    return page.text();
}

QString framesetEditorText(const QString& framesetPage)
{
    return framesetPage + QLatin1String("\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>");
}

FramesetBuild BuildFramesetPages(const FramesetDesign& design, qint16 preset, const QString& meta)
{
    FramesetBuild build;
    if (preset < 0 || preset >= kPresetCount) {
        build.editorText =
            ordinaryPage(QStringLiteral("New Document"), pageBodyAttributes(design.Page), meta);
        return build;
    }

    const QString frameset = framesetPage(design, preset, meta);
    std::vector<GeneratedDocument> documents;
    documents.reserve(design.Frames.size() + 1);
    documents.push_back({frameset, design.Page.StartPage, 1});
    for (size_t i = 0; i < design.Frames.size(); ++i) {
        const FrameRec& frame = design.Frames[i];
        QString text;
        if (frame.FromFile) {
            const std::optional<QString> read = ReadFileText(frame.Src);
            if (!read) {
                build.unreadableFile = frame.Src;
                return build;
            }
            text = *read;
        } else {
            text = ordinaryPage(QStringLiteral("Page %1").arg(int(i) + 1),
                                frameBodyAttributes(frame), meta);
        }
        documents.push_back({text, frame.Src, 2});
    }
    build.documents = std::move(documents);
    build.editorText = framesetEditorText(frameset);
    build.framesetOn = true;
    return build;
}
