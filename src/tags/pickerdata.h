#pragma once

// What the small picker windows offer and return, as data: the 216 web colours of the colour
// picker and the forms its answer takes, the table picker's answer and border styles, the
// entity picker's 70 entities and the 24 Russian letters of the letter grid.

#include <QLatin1String>
#include <QString>

#include <span>

// --- Colour picker (frmTabColor, colorload) -------------------------------------------------

constexpr int kPaletteColumns = 12;
constexpr int kPaletteRows = 18;

// The colour of a palette cell (row 0..17 top down, column 0..11 left to right) as a packed
// colour with red in the low byte; every component is a multiple of 0x33.
quint32 paletteColour(int row, int column);

// The output options, tested in this order: an attribute, a FONT tag around the selection
// ("$" marks where the selection goes) or the bare colour text.
enum class ColourForm { BgColorAttribute, ColorAttribute, FontTag, ColourOnly };
QString colourResult(ColourForm form, const QString& colourText);

// --- Table picker (tabload) -------------------------------------------------------------------

constexpr int kTableGridCells = 10;

enum class TableStyle { ThreeD = 0, PlainBlack = 1, NoBorder = 2 };
// The answer: the zero-based column and row of the block's last cell and the style digit,
// joined by "|" ("0|0|2"), as the toolbar's table routine (tabelisteqsti) reads it.
QString tableResult(int lastColumn, int lastRow, TableStyle style);

// --- Entity picker (frmasos, asos) ------------------------------------------------------------

constexpr int kEntityColumns = 7;
constexpr int kEntityRows = 10;
// The 70 entities row by row: cell (row, column) holds entity row * 7 + column, from
// "&copy;" to ":-)".
std::span<const QLatin1String> htmlEntities();

// --- Letter grid (frmkod) -------------------------------------------------------------------

// The label Label1(index) (0..23): its row (0 capitals, 1 small letters), its place in the row
// (0..11) and its Windows-1251 letter.
struct RussianLetter
{
    int row;
    int column;
    char16_t byte;
};
constexpr int kRussianLetterCount = 24;
RussianLetter russianLetter(int index);
