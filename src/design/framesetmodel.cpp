#include "design/framesetmodel.h"

#include "design/leadingnumber.h"

namespace {

const std::array<FramesetPreset, kPresetCount>& presets()
{
    static const std::array<FramesetPreset, kPresetCount> table = {{
        {{{"Top", "No"}, {"Left", "Auto"}, {"Page", "Auto"}}, "64,*", "150,*", Nesting::Cols},
        {{{"Page", "Auto"}, {"Footer", "NO"}}, "*,20%", "", Nesting::None},
        {{{"Top", "No"}, {"Footer", "No"}}, "*,*", "", Nesting::None},
        {{{"Left", "Auto"}, {"Page", "Auto"}}, "", "150,*", Nesting::None},
        {{{"Top", "No"}, {"Page", "Auto"}}, "64,*", "", Nesting::None},
        {{{"Top", "No"}, {"Left", "Auto"}, {"Page", "Auto"}, {"Footer", "No"}},
         "64,*,64",
         "150,*",
         Nesting::Cols},
        {{{"Top", "No"}, {"Page", "Auto"}, {"Footer", "No"}}, "64,25%,*", "", Nesting::None},
        {{{"Left", "Auto"}, {"Top", "No"}, {"Page", "Auto"}}, "20%,*", "150,*", Nesting::Rows},
        {{{"Left", "Auto"}, {"Right", "Auto"}}, "", "*,*", Nesting::None},
    }};
    return table;
}

// Without the blanks at either end; other characters (tabs, bytes such as A0) are text.
QString withoutBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == QLatin1Char(' '))
        ++first;
    while (end > first && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}

bool namesFrame(const FramesetDesign& design, qint16 selFrame)
{
    return selFrame >= 0 && size_t(selFrame) < design.Frames.size();
}

} // namespace

const FramesetPreset& framesetPreset(qint16 preset)
{
    return presets()[preset >= 0 && preset < kPresetCount ? preset : 0];
}

qint16 applyPreset(FramesetDesign& design, int thumbnail)
{
    design.Frames.clear();
    if (thumbnail < 0 || thumbnail >= kPresetCount)
        return kNoPreset;

    const FramesetPreset& preset = framesetPreset(qint16(thumbnail));
    design.Frames.reserve(preset.frames.size());
    for (size_t i = 0; i < preset.frames.size(); ++i) {
        FrameRec frame;
        frame.Src = QStringLiteral("Page%1.HTML").arg(int(i) + 1);
        frame.FrameName = QLatin1String(preset.frames[i].name);
        frame.Scrolling = QLatin1String(preset.frames[i].scrolling);
        design.Frames.push_back(frame);
    }
    PageRec& page = design.Page;
    page.Border = true;
    page.Spacing = 1;
    page.Rows = QLatin1String(preset.rows);
    page.Cols = QLatin1String(preset.cols);
    page.StartPage = QStringLiteral("Frames.HTML");
    return qint16(thumbnail);
}

FrameParams frameParams(const FramesetDesign& design, qint16 selFrame)
{
    FrameParams params;
    params.border = design.Page.Border;
    params.spacing = QString::number(design.Page.Spacing);
    params.startPage = design.Page.StartPage;

    QString image = design.Page.Image;
    bool watermark = design.Page.Watermark;
    if (namesFrame(design, selFrame)) {
        const FrameRec& frame = design.Frames[size_t(selFrame)];
        params.frameFields = true;
        params.src = frame.Src;
        params.resizable = frame.Resizable;
        params.scrolling = frame.Scrolling;
        params.chosenFile = frame.FromFile ? frame.Src : QString();
        image = frame.Image;
        watermark = frame.Watermark;
    }
    params.imageFields = !image.isEmpty();
    if (params.imageFields) {
        params.image = image;
        params.watermark = watermark;
    }
    return params;
}

void chooseFrameFile(FrameParams& params, const QString& path)
{
    params.src = path;
    params.chosenFile = path;
}

void storeFrameParams(FramesetDesign& design, qint16 selFrame, const FrameParams& params)
{
    PageRec& page = design.Page;
    page.Border = params.border;
    page.Spacing = leadingInt16(params.spacing);
    page.StartPage = withoutBlanks(params.startPage);

    if (!namesFrame(design, selFrame)) {
        if (!page.Image.isEmpty())
            page.Watermark = params.watermark;
        return;
    }
    FrameRec& frame = design.Frames[size_t(selFrame)];
    frame.Resizable = params.resizable;
    frame.Src = withoutBlanks(params.src);
    // A page file typed over the chosen one names a page to generate, not a file to read.
    frame.FromFile = !params.chosenFile.isEmpty() && frame.Src == withoutBlanks(params.chosenFile);
    frame.Scrolling = params.scrolling;
    frame.Watermark = params.watermark;
    frame.Image = params.image;
}

QString spacingForBorder(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

bool spacingKeyPasses(int key)
{
    return key == 8 || (key >= '0' && key <= '9');
}
