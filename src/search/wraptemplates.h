#pragma once

// Wrap templates: named pairs of texts put around a selection, the text before and the text
// after. The program holds them in one list for the whole run (TFormats); they are edited in
// the template window and saved to and loaded from .TFF files.
//
// A .TFF file, little-endian, no header: the upper bound U (16-bit signed: the number of
// templates - 1), then per template its name and its body, each as a 16-bit unsigned length
// L followed by L bytes, without terminator.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct TFormat
{
    QString name;
    QString body; // the text before, the separator, the text after

    bool operator==(const TFormat&) const = default;
};

// The five characters "<", the section sign (byte A7), "$", the section sign, ">".
QString templateSeparator();
QString templateBody(const QString& before, const QString& after);

struct TemplateParts
{
    QString before;
    QString after;
    bool operator==(const TemplateParts&) const = default;
};
// The body cut at its last separator; a body without one is all text before.
TemplateParts splitTemplateBody(const QString& body);

// --- .TFF files ------------------------------------------------------------------------

// The templates a file holds, or why it is refused (Latin-key Georgian).
struct TffContent
{
    std::optional<std::vector<TFormat>> formats;
    QString refusal;
};

// The bytes of a .TFF file as templates. A file that ends early, gives a negative upper
// bound (-1 too: a saved file holds at least one template) or a length past its end is
// refused whole.
TffContent parseTff(const QByteArray& bytes);
// The file's bytes for the templates; refused (naming the template) when a name or body is
// longer than a length can say, or when there are more templates than the count can say.
struct TffBytes
{
    std::optional<QByteArray> bytes;
    QString refusal;
};
TffBytes tffBytes(const std::vector<TFormat>& formats);

TffContent readTffFile(const QString& path);
// Writes the file whole, or leaves the old one as it was: "" on success, else why not.
QString writeTffFile(const QString& path, const std::vector<TFormat>& formats);

// --- The list of the run ---------------------------------------------------------------

// TFormats, and the one template being edited in the template window.
class TFormatList
{
public:
    const std::vector<TFormat>& TFormats() const { return m_formats; }
    // Called after every change of the list, so that the templates menu always shows it.
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

    // Add (ADD, Add and Exit): while a template is being edited and still there, it takes
    // the name and the texts and the editing ends; otherwise a new template is appended.
    // Where the template now stands; nothing for an empty name.
    std::optional<std::size_t> addOrUpdate(const QString& name, const QString& before,
                                           const QString& after);
    // Choosing a template to edit: its name and texts; nothing for an index outside.
    struct Fields
    {
        QString name;
        TemplateParts parts;
    };
    std::optional<Fields> beginEdit(std::size_t index);
    // The template being edited, followed through removals; nothing when none is (or it
    // was removed).
    std::optional<std::size_t> edited() const { return m_edited; }
    // The edit is dropped (the template window closed): the next Add appends.
    void endEdit() { m_edited.reset(); }
    void remove(std::size_t index);
    // Loaded templates go after those there are, in file order.
    void append(const std::vector<TFormat>& loaded);

private:
    void changed();

    std::vector<TFormat> m_formats;
    std::optional<std::size_t> m_edited;
    std::function<void()> m_onChange;
};
