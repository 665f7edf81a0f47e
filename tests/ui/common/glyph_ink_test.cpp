#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <functional>

#include "ui/common/fonts.h"
#include "ui/platform.h"

// Every character a stats file may hold leaves ink on the screen in every font the windows
// use, drawn by the font engine the program picks for the system: under Wine, Qt's GDI
// engine drew nothing for Liberation Sans' "I" and "!" (and the inverted "!") at 11 px. The
// characters are painted on a window and read back from the screen, as the user sees them.
class GlyphInkTest : public QObject {
    Q_OBJECT

  private slots:
    void every_character_leaves_ink_data();
    void every_character_leaves_ink();
};

namespace {

using FontMaker = std::function<QFont(int)>;

// The pixel sizes the windows' texts use lie within these.
constexpr int kSmallestPixels = 9;
constexpr int kLargestPixels = 20;
constexpr int kColumns = 16;

// Printable Latin-1 without the blanks and the soft hyphen, which may draw nothing.
QString InkedCharacters() {
    QString characters;
    for (int code = 0x21; code <= 0xff; ++code) {
        if (code < 0x7f || (code > 0xa0 && code != 0xad)) {
            characters += QChar(code);
        }
    }
    return characters;
}

// The characters in a grid of cells twice the font's size, black on white.
class CharacterGrid : public QWidget {
  public:
    CharacterGrid(const QFont& font, const QString& characters)
        : m_characters(characters), m_cell(2 * font.pixelSize()) {
        setFont(font);
        const int rows = (static_cast<int>(characters.size()) + kColumns - 1) / kColumns;
        setFixedSize(kColumns * m_cell, rows * m_cell);
    }

    QRect Cell(qsizetype index) const {
        const int at = static_cast<int>(index);
        return {at % kColumns * m_cell, at / kColumns * m_cell, m_cell, m_cell};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        for (qsizetype index = 0; index < m_characters.size(); ++index) {
            painter.drawText(Cell(index), Qt::AlignCenter, QString(m_characters[index]));
        }
    }

  private:
    QString m_characters;
    int m_cell;
};

bool HasInk(const QImage& shot, const QRect& cell) {
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (shot.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void GlyphInkTest::every_character_leaves_ink_data() {
    QTest::addColumn<QFont>("font");
    const QList<std::pair<const char*, FontMaker>> fonts = {
        {"sans serif", [](int pixels) { return SansSerifFont(pixels); }},
        {"Arial", [](int pixels) { return ArialFont(pixels); }},
        {"Arial bold", [](int pixels) { return ArialFont(pixels, true); }},
    };
    for (const auto& [name, make] : fonts) {
        for (int pixels = kSmallestPixels; pixels <= kLargestPixels; ++pixels) {
            QTest::addRow("%s %d px", name, pixels) << make(pixels);
        }
    }
}

void GlyphInkTest::every_character_leaves_ink() {
    QFETCH(QFont, font);
    const QString characters = InkedCharacters();
    CharacterGrid grid(font, characters);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage shot = grid.screen()->grabWindow(grid.winId()).toImage();
    QCOMPARE(shot.size(), grid.size());
    QString blank;
    for (qsizetype index = 0; index < characters.size(); ++index) {
        if (!HasInk(shot, grid.Cell(index))) {
            blank += characters[index];
        }
    }
    QVERIFY2(
        blank.isEmpty(),
        qUtf8Printable(
            QStringLiteral("%1 draws nothing for \"%2\"").arg(QFontInfo(font).family(), blank)));
}

// The program's own start: the platform and its font engine as the system's seam picks them,
// and the fonts the build brings along.
int main(int argc, char* argv[]) {
    if (!PrepareDisplayPlatform()) {
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    InstallBundledFonts();
    GlyphInkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "glyph_ink_test.moc"
