// SPDX-License-Identifier: MIT
#include "services/data/datatext.h"
#include "services/data/cp932.h"
#include "services/data/datafileerror.h"
#include "toolkit/text.h"
#include <iomanip>
#include <sstream>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Line (1-based) of a byte: CR LF, LF and a lone CR each end a line, as the field reader counts them.
int lineOfOffset(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    }
    return line;
}

std::string hexCode(char32_t c) {
    std::ostringstream code;
    code << std::uppercase << std::hex << std::setw(4) << std::setfill('0') << static_cast<unsigned long>(c);
    return code.str();
}

bool isPrivateUse(char32_t c) {
    return (c >= 0xE000 && c <= 0xF8FF) || (c >= 0xF0000 && c <= 0x10FFFD);
}

// The user-defined characters of code page 932 (F040 to F9FC) decode to U+E000 to U+E757 and show as
// empty boxes; private-use characters of a UTF-8 file fare no better.
void refuseUnshowable(const DataText& data, const std::string& name, const std::string& path) {
    const std::string& text = data.text;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        const char32_t c = toolkit::nextCharacter(text, i);
        if (!isPrivateUse(c)) continue;
        const std::string what =
            data.encoding == DataEncoding::Cp932
                ? "a user-defined character (U+" + hexCode(c) + ", Shift_JIS F040 to F9FC)"
                : "a private-use character (U+" + hexCode(c) + ")";
        throw DataFileError(name, lineOfOffset(text, at),
                            what + " that no font can show; write the word with ordinary characters", path);
    }
}

} // namespace

void dropEndOfFileMark(std::string& bytes) {
    while (!bytes.empty() && bytes.back() == '\x1A')
        bytes.pop_back();
}

Utf8Scan scanUtf8(std::string_view bytes) {
    Utf8Scan scan;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t at = i;
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++i;
            continue;
        }
        scan.ascii = false;
        if (!toolkit::readCharacter(bytes, i)) {
            scan.valid = false;
            scan.badOffset = static_cast<std::ptrdiff_t>(at);
            return scan;
        }
        if (i - at >= 3) scan.beyondTwoBytes = true;
    }
    return scan;
}

DataText decodeDataFile(std::string bytes, const std::string& name, const std::string& path) {
    dropEndOfFileMark(bytes);
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string::npos)
        throw DataFileError(name, lineOfOffset(bytes, nul), "the line holds a NUL byte", path);

    DataText data;
    const Utf8Scan scan = scanUtf8(bytes);
    if (bytes.compare(0, byteOrderMark.size(), byteOrderMark) == 0) {
        // The mark says UTF-8; bytes that are not are a fault, not a reason to guess again.
        if (!scan.valid)
            throw DataFileError(name, lineOfOffset(bytes, static_cast<std::size_t>(scan.badOffset)),
                                "bytes that are not valid UTF-8 at byte " + std::to_string(scan.badOffset) +
                                    " (the file begins with a UTF-8 byte-order mark)",
                                path);
        data.text = bytes.substr(byteOrderMark.size());
        data.encoding = DataEncoding::Utf8;
    } else if (scan.valid && !scan.ascii) {
        // A few code page 932 files are valid UTF-8 by chance: half-width katakana pair up into two-byte
        // sequences ("ﾈｺ" is C8 BA). Such a file, holding nothing from U+0800 up when read as UTF-8, is read
        // as it always was.
        std::optional<std::string> cp932;
        if (!scan.beyondTwoBytes) cp932 = decodeCp932(bytes);
        if (cp932) {
            data.text = *std::move(cp932);
        } else {
            data.text = std::move(bytes);
            data.encoding = DataEncoding::Utf8;
        }
    } else {
        Cp932Fault fault{};
        std::optional<std::string> text = decodeCp932(bytes, &fault);
        if (!text) {
            // Name the place where the file stops making sense in the encoding that read further: a UTF-8
            // file with one bad byte is told where that byte is, not where Shift_JIS gave up.
            if (!scan.valid && scan.badOffset > static_cast<std::ptrdiff_t>(fault.offset))
                throw DataFileError(name, lineOfOffset(bytes, static_cast<std::size_t>(scan.badOffset)),
                                    "bytes that are not valid UTF-8 nor Shift_JIS (code page 932) at byte " +
                                        std::to_string(scan.badOffset) +
                                        "; save the file as UTF-8 or Shift_JIS",
                                    path);
            throw DataFileError(name, lineOfOffset(bytes, fault.offset),
                                "bytes that are not valid Shift_JIS (code page 932) nor UTF-8 at byte " +
                                    std::to_string(fault.offset) + "; save the file as UTF-8 or Shift_JIS",
                                path);
        }
        data.text = *std::move(text);
    }
    bytes = std::string(); // the raw bytes are not needed any more
    refuseUnshowable(data, name, path);
    return data;
}
