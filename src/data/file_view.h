#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The text of ShipStats.txt, held line by line from loading to saving. Bytes, not
// characters: any 8-bit content survives a load and a write, except a file in UTF-8 whose
// characters all fit in Latin-1, which is held as Latin-1 (Latin1FromUtf8File) and so
// written. Lines count from 1.
class FileView {
  public:
    enum class LoadResult { Loaded, CannotOpen, Unreadable };

    // Files above this size are not read: no stats file comes near it.
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    // Replaces the text by the file's; CR LF, lone CR and lone LF all become CR LF. On
    // failure the text is left empty.
    LoadResult Load(const std::string& path);
    // Same, from bytes in memory.
    void SetText(std::string_view bytes);
    // Whether the text came from UTF-8 bytes, converted; until the next Load, SetText or Clear.
    bool ReadAsUtf8() const { return m_readAsUtf8; }

    void Clear();
    void Append(std::string_view line);
    // Empty past the end.
    const std::string& Line(std::size_t n) const;
    // Does nothing when there is no line n.
    void Replace(std::size_t n, std::string_view text);
    std::size_t Count() const { return m_lines.size(); }

    std::string Text() const;

    struct WriteReport {
        bool Saved = false;  // the file holds the new text
        // For the user: why the file was not saved, or that it was but the system could
        // not confirm it is on the disk. Empty when both went well.
        std::string Message;
    };
    // Replaces the file's content in one step: a temporary file beside it, synced to the
    // disk, then a rename, itself made durable where the file system can; so a failure
    // never leaves a half-written file, and a clean success means the text survives a power
    // cut. A symbolic link is followed to the file it names, which keeps its permission
    // bits. Once the rename is done the file is saved, whatever follows.
    WriteReport WriteTo(const std::string& path) const;

  private:
    void SplitLines(std::string_view bytes);

    std::vector<std::string> m_lines;
    // Whether the last line is followed by a line end.
    bool m_lastLineEnded = true;
    bool m_readAsUtf8 = false;
};
