#pragma once
// The content model beneath the automation objects: stories of paragraphs and tables, the
// character and paragraph formats the calls set, and the borders, shading and pictures. The
// objects of the automation layer (selection, ranges, tables, cells) edit this model; the package
// writer turns it into WordprocessingML.
#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace wp {

// A colour as the automation interface passes it: 0x00BBGGRR, or wdColorAutomatic.
inline constexpr long ColorAutomatic = -16777216; // 0xFF000000

struct Colour {
    bool automatic = true;
    int red = 0, green = 0, blue = 0;

    static Colour fromLong(long value);
    // "RRGGBB", or "auto".
    QString hex() const;
    bool operator==(const Colour&) const = default;
};

// Characters formats: only what was set is present, the rest is inherited.
struct CharFormat {
    std::optional<QString> name;
    std::optional<double> size; // points
    std::optional<bool> bold;
    std::optional<bool> underline;
    std::optional<Colour> colour;

    // This format with every property that `over` sets replaced by it.
    void merge(const CharFormat& over);
    bool operator==(const CharFormat&) const = default;
};

// Paragraph alignment values of the automation interface.
namespace align {
inline constexpr int Left = 0, Centre = 1, Right = 2;
}

struct ParaFormat {
    std::optional<int> alignment;
    std::optional<double> spaceBefore; // points
    std::optional<double> spaceAfter;
    std::optional<bool> spaceBeforeAuto;
    std::optional<bool> spaceAfterAuto;
    std::optional<int> lineSpacingRule; // 0 = single
    std::optional<double> leftIndent;   // points
    std::optional<double> rightIndent;
    std::vector<double> leftTabStops;   // points, kept sorted

    void merge(const ParaFormat& over);
    bool operator==(const ParaFormat&) const = default;
};

// Field types of the automation interface that the layer writes.
namespace field {
inline constexpr int Date = 31, NumPages = 26, Page = 33;
}

struct Run {
    QString text;
    CharFormat format;
};
struct Tab {
    CharFormat format;
};
struct LineBreak {
    CharFormat format;
};
struct PageBreak {};
struct Picture {
    int media = 0;      // index into the document's media
    long long cx = 0;   // size in EMU
    long long cy = 0;
    qint64 docPrId = 0; // unique drawing id across the package (an unsigned 32-bit value in the file)
};
struct Field {
    int type = 0;
    QString cached; // result shown by readers that do not update fields
    CharFormat format;
};

using Inline = std::variant<Run, Tab, LineBreak, PageBreak, Picture, Field>;

struct Paragraph {
    ParaFormat format;
    CharFormat mark; // format of the paragraph mark
    std::vector<Inline> inlines;

    bool isEmpty() const { return inlines.empty(); }
    // The paragraph's plain text: runs as they stand, TAB for a tab, character 11 for a line
    // break, character 12 for a page break and "[picture]" / "[field]" placeholders.
    QString plainText() const;
};

struct Table;

struct Block {
    std::unique_ptr<Paragraph> paragraph;
    std::unique_ptr<Table> table;
};

// A flow of blocks that always ends with a paragraph; new content goes to its last paragraph.
struct Story {
    std::vector<Block> blocks;

    Story();
    Paragraph& lastParagraph();
    const Paragraph& lastParagraph() const;
    Paragraph& appendParagraph(const ParaFormat& format, const CharFormat& mark);
    // Every paragraph of the story, those in its tables' cells included.
    void forEachParagraph(const std::function<void(Paragraph&)>& visit);
    // The paragraphs directly in the story (not in tables).
    std::vector<const Paragraph*> paragraphs() const;
    std::vector<const Table*> tables() const;
};

// Line styles: 0 none, 1 single.
struct Border {
    int lineStyle = 0;
    int lineWidth = 4; // eighths of a point, as the automation interface counts them
    Colour colour;
    bool operator==(const Border&) const = default;
};

// Border sides of the automation interface: -1 top, -2 left, -3 bottom, -4 right,
// -5 inside horizontal, -6 inside vertical, -7 diagonal down, -8 diagonal up.
inline constexpr int BorderTop = -1, BorderLeft = -2, BorderBottom = -3, BorderRight = -4,
                     BorderHorizontal = -5, BorderVertical = -6, BorderDiagonalDown = -7,
                     BorderDiagonalUp = -8;

struct CellModel {
    std::optional<double> width; // points
    std::optional<int> verticalAlignment; // 1 = centre
    std::optional<Colour> shading;
    Story story;
};

struct Table {
    int rows = 0;
    int cols = 0;
    std::array<Border, 8> borders{}; // index = -side - 1
    bool shadow = false;
    double totalWidth = 0; // points available when the table was added
    std::vector<CellModel> cells; // row-major

    CellModel& cell(int row, int col); // 1-based
    const CellModel& cell(int row, int col) const;
    Border& border(int side);
    const Border& border(int side) const;
};

// One picture file of the package.
struct Media {
    QByteArray data;
    QString extension; // "png", "jpeg", "gif"
};

} // namespace wp
