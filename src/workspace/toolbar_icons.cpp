#include "toolbar_icons.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <string_view>

namespace pelmark::workspace {
namespace {

// Our own pictures are pixel drawings rather than painted letters: drawing text would load two
// extra font faces before the window is first shown.
using Rows = std::array<std::string_view, 16>;

struct Picture {
    std::string_view key;
    Rows rows;
};

QRgb colourOf(char code)
{
    switch (code) {
    case '#': return qRgb(0x2e, 0x34, 0x36); // outlines and letters
    case 'w': return qRgb(0xff, 0xff, 0xff); // paper
    case 'g': return qRgb(0xba, 0xbd, 0xb6); // metal and plastic
    case 'b': return qRgb(0x34, 0x65, 0xa4); // the diskette
    case 'y': return qRgb(0xed, 0xd4, 0x00); // the folder's front
    case 'o': return qRgb(0xc4, 0xa0, 0x00); // the folder's back and the clipboard
    case 'r': return qRgb(0xcc, 0x00, 0x00); // the scissors' handles
    default: return qRgba(0, 0, 0, 0);
    }
}

// clang-format off
constexpr std::array kPictures = {
    Picture{"New", {
        "................",
        "...#######......",
        "...#wwwww##.....",
        "...#wwwww#w#....",
        "...#wwwww#ww#...",
        "...#wwwww####...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...#wwwwwwww#...",
        "...##########...",
        "................"}},
    Picture{"Open", {
        "................",
        "................",
        "................",
        ".#####..........",
        "#ooooo#######...",
        "#oooooooooooo#..",
        "#ooo###########.",
        "#oo#yyyyyyyyyy#.",
        "#oo#yyyyyyyyy#..",
        "#o#yyyyyyyyyy#..",
        "#o#yyyyyyyyy#...",
        "##yyyyyyyyyy#...",
        "#############...",
        "................",
        "................",
        "................"}},
    Picture{"Save", {
        "................",
        ".##############.",
        ".#bb########bb#.",
        ".#bb#gggg#g#bb#.",
        ".#bb#gggg#g#bb#.",
        ".#bb#gggggg#bb#.",
        ".#bb########bb#.",
        ".#bbbbbbbbbbbb#.",
        ".#b##########b#.",
        ".#b#wwwwwwww#b#.",
        ".#b#w######w#b#.",
        ".#b#wwwwwwww#b#.",
        ".#b#w######w#b#.",
        ".#b#wwwwwwww#b#.",
        ".##############.",
        "................"}},
    Picture{"Print", {
        "................",
        "....#######.....",
        "....#wwwww#.....",
        "....#w###w#.....",
        "....#wwwww#.....",
        "..###########...",
        ".#ggggggggggg#..",
        "#ggggggggggggg#.",
        "#ggggggggggbgg#.",
        "#ggggggggggggg#.",
        "#g###########g#.",
        "#g#wwwwwwwww#g#.",
        "###w#######w###.",
        "..#wwwwwwwww#...",
        "..###########...",
        "................"}},
    Picture{"Cut", {
        "................",
        "...#.......#....",
        "...##.....##....",
        "....#.....#.....",
        "....##...##.....",
        ".....#...#......",
        ".....##.##......",
        "......#.#.......",
        ".......#........",
        "......#.#.......",
        ".....r...r......",
        "...rrrr.rrrr....",
        "..rr..r.r..rr...",
        "..r...r.r...r...",
        "..rr.rr.rr.rr...",
        "...rrr...rrr...."}},
    Picture{"Copy", {
        "................",
        ".#########......",
        ".#wwwwwww#......",
        ".#w####ww#......",
        ".#wwwwwww#......",
        ".#w##w#########.",
        ".#wwww#wwwwwww#.",
        ".#wwww#w####ww#.",
        ".#wwww#wwwwwww#.",
        ".#wwww#w###www#.",
        ".######wwwwwww#.",
        "......#w####ww#.",
        "......#wwwwwww#.",
        "......#wwwwwww#.",
        "......#########.",
        "................"}},
    Picture{"Paste", {
        "................",
        ".....####.......",
        "..###g##g###....",
        ".#oo#gggg#oo#...",
        ".#oo######oo#...",
        ".#oooooooooo#...",
        ".#ooo#########..",
        ".#ooo#wwwwwww#..",
        ".#ooo#w####ww#..",
        ".#ooo#wwwwwww#..",
        ".#ooo#w###www#..",
        ".#ooo#wwwwwww#..",
        ".#ooo#w####ww#..",
        ".#ooo#wwwwwww#..",
        ".#####wwwwwww#..",
        ".....#########.."}},
    Picture{"Bold", {
        "................",
        "................",
        "...########.....",
        "...###...###....",
        "...###....###...",
        "...###....###...",
        "...###...###....",
        "...########.....",
        "...###....###...",
        "...###.....###..",
        "...###.....###..",
        "...###....###...",
        "...#########....",
        "................",
        "................",
        "................"}},
    Picture{"Italic", {
        "................",
        "................",
        ".......######...",
        ".........##.....",
        ".........##.....",
        "........##......",
        "........##......",
        ".......##.......",
        ".......##.......",
        "......##........",
        "......##........",
        ".....##.........",
        "...######.......",
        "................",
        "................",
        "................"}},
    Picture{"Underline", {
        "................",
        "...####..####...",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        "....##....##....",
        ".....##..##.....",
        "......####......",
        "................",
        "..############..",
        "................"}},
    Picture{"Align Left", {
        "................",
        "................",
        "................",
        "..############..",
        "................",
        "..########......",
        "................",
        "..############..",
        "................",
        "..########......",
        "................",
        "..############..",
        "................",
        "..########......",
        "................",
        "................"}},
    Picture{"Center", {
        "................",
        "................",
        "................",
        "..############..",
        "................",
        "....########....",
        "................",
        "..############..",
        "................",
        "....########....",
        "................",
        "..############..",
        "................",
        "....########....",
        "................",
        "................"}},
    Picture{"Align Right", {
        "................",
        "................",
        "................",
        "..############..",
        "................",
        "......########..",
        "................",
        "..############..",
        "................",
        "......########..",
        "................",
        "..############..",
        "................",
        "......########..",
        "................",
        "................"}},
};
// clang-format on

constexpr bool allRowsSixteenWide()
{
    for (const Picture &picture : kPictures) {
        for (std::string_view row : picture.rows) {
            if (row.size() != 16)
                return false;
        }
    }
    return true;
}
static_assert(allRowsSixteenWide(), "every picture is 16 by 16");

const Picture *findPicture(std::string_view key)
{
    const auto found = std::find_if(kPictures.begin(), kPictures.end(),
                                    [key](const Picture &picture) { return picture.key == key; });
    return found == kPictures.end() ? nullptr : &*found;
}

QPixmap drawn(std::string_view key)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (const Picture *picture = findPicture(key)) {
        for (int y = 0; y < 16; ++y) {
            const std::string_view row = picture->rows[std::size_t(y)];
            for (int x = 0; x < 16; ++x)
                image.setPixel(x, y, colourOf(row[std::size_t(x)]));
        }
    }
    return QPixmap::fromImage(image);
}

} // namespace

bool hasDrawnPicture(const char *key)
{
    return findPicture(key) != nullptr;
}

QIcon toolbarIcon(const char *key, const char *themeName)
{
    const QString name = QLatin1String(themeName);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return QIcon(drawn(key));
}

} // namespace pelmark::workspace
