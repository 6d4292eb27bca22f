#include "text_out.h"

#include <ostream>

namespace tarne {

bool TextOut::open_file(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void TextOut::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void TextOut::line(std::string_view text) {
    if (file_) {
        // An empty line's view may hold no data pointer at all, which fwrite must not get.
        if (!text.empty()) std::fwrite(text.data(), 1, text.size(), file_);
        std::fputs("\r\n", file_);
    } else if (console_) {
        console_->write(text.data(), static_cast<std::streamsize>(text.size()));
        console_->put('\n');
    }
}

void TextOut::empty(int count) {
    for (int k = 0; k < count; ++k) line(std::string_view{});
}

}  // namespace tarne
