#pragma once

// A file's full path, made clean once where it enters the program: from the command line, a
// dialog, a list read from a file, a name typed in the tree. Clean means absolute (against the
// current folder), with "." and ".." resolved and no doubled or final slash. The open
// documents keep their files in this form and compare them so, and the layers inside take a
// path as it is, never cleaning it again; a plain text becomes one only by being cleaned.

#include <QString>

class FilePath
{
public:
    FilePath() = default; // no file
    explicit FilePath(const QString& path); // "" stays no file

    const QString& path() const { return m_path; }
    operator const QString&() const { return m_path; }
    bool isEmpty() const { return m_path.isEmpty(); }

    friend bool operator==(const FilePath& a, const FilePath& b) = default;

private:
    QString m_path;
};
