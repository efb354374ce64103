// roi_reader_fuzz.cpp - any bytes given to the host's ".roi" reader.
//
// The reader must never crash or hang, whatever it is given. It accepts a text or throws a
// RoiFileError whose message begins "<file name>:<line>: ", with a line the text has (or the one
// just past its end, for a text that stops early); any other exception is a fault. An accepted
// text yields as many ROIs as its NrOfTCPlots entry announces.
#include "fuzz_failure.h"
#include "roi_file_reader.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace {

using pelmora_fuzz::fuzzFailure;

const std::string fileName = "fuzz-input.roi";

// Lines as the reader counts them: a last line without a line break still counts.
std::size_t lineCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// The line `number` (counted from 1) without its line break; empty when the text is shorter.
std::string_view lineOf(std::string_view text, std::size_t number) {
    for (; number > 1; --number) {
        const std::size_t lineBreak = text.find('\n');
        if (lineBreak == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(lineBreak + 1);
    }
    std::string_view line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

void checkRejection(std::string_view text, std::string_view message) {
    const std::string prefix = fileName + ":";
    if (message.substr(0, prefix.size()) != prefix) {
        fuzzFailure("the message does not start with the file name: " + std::string(message));
    }
    message.remove_prefix(prefix.size());
    std::size_t line = 0;
    const auto [stop, error] =
        std::from_chars(message.data(), message.data() + message.size(), line);
    const std::string_view rest(stop,
                                static_cast<std::size_t>(message.data() + message.size() - stop));
    if (error != std::errc() || rest.substr(0, 2) != ": " || rest.size() == 2) {
        fuzzFailure("the message lacks \"<line>: <problem>\" after the file name: " +
                    std::string(message));
    }
    if (line < 1 || line > lineCount(text) + 1) {
        fuzzFailure("the message names line " + std::to_string(line) + " of a text with " +
                    std::to_string(lineCount(text)) + " lines");
    }
}

void checkAcceptance(std::string_view text, std::size_t roiCount) {
    // Line 9 of an accepted text is "NrOfTCPlots:<TAB>n", n a plain decimal int; a count of zero
    // or less announces no list.
    const std::string_view key = "NrOfTCPlots:\t";
    const std::string_view line = lineOf(text, 9);
    if (line.substr(0, key.size()) != key) {
        fuzzFailure("accepted a text whose line 9 is not a NrOfTCPlots entry");
    }
    const std::string_view value = line.substr(key.size());
    int announced = 0;
    const auto [stop, error] =
        std::from_chars(value.data(), value.data() + value.size(), announced);
    if (error != std::errc() || stop != value.data() + value.size()) {
        fuzzFailure("accepted a NrOfTCPlots entry that is not a number");
    }
    const std::size_t expected = announced > 0 ? static_cast<std::size_t>(announced) : 0;
    if (expected != roiCount) {
        fuzzFailure("NrOfTCPlots says " + std::to_string(announced) + ", but the reader gave " +
                    std::to_string(roiCount) + " ROIs");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        checkAcceptance(text, parseRoiText(text, fileName).size());
    } catch (const RoiFileError& error) {
        checkRejection(text, error.what());
    } catch (const std::exception& error) {
        fuzzFailure(std::string("an exception other than RoiFileError: ") + error.what());
    } catch (...) {
        fuzzFailure("an exception other than RoiFileError, not even a std::exception");
    }
    return 0;
}
