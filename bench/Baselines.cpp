#include "bench/Baselines.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace ondrel::bench {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

// Whole lines out of a file read in large blocks.
class LineSource {
public:
    explicit LineSource(const std::string& path)
        : descriptor_(::open(path.c_str(), O_RDONLY)), buffer_(new char[kBufferSize]) {
        if (descriptor_ < 0) throw std::runtime_error("cannot open " + path);
    }
    ~LineSource() { ::close(descriptor_); }

    bool Next(std::string_view& line) {
        for (;;) {
            const char* newline =
                static_cast<const char*>(std::memchr(buffer_.get() + start_, '\n', end_ - start_));
            if (newline != nullptr) {
                line = std::string_view(buffer_.get() + start_, newline - (buffer_.get() + start_));
                start_ = static_cast<std::size_t>(newline - buffer_.get()) + 1;
                return true;
            }
            if (!Refill()) {
                if (start_ == end_) return false;
                line = std::string_view(buffer_.get() + start_, end_ - start_);
                start_ = end_;
                return true;
            }
        }
    }

    std::size_t Read(void* into, std::size_t size) {
        std::size_t done = 0;
        while (done < size) {
            if (start_ == end_ && !Refill()) break;
            const std::size_t chunk = std::min(size - done, end_ - start_);
            std::memcpy(static_cast<char*>(into) + done, buffer_.get() + start_, chunk);
            start_ += chunk;
            done += chunk;
        }
        return done;
    }

private:
    bool Refill() {
        std::memmove(buffer_.get(), buffer_.get() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
        const ssize_t got = ::read(descriptor_, buffer_.get() + end_, kBufferSize - end_);
        if (got <= 0) return false;
        end_ += static_cast<std::size_t>(got);
        return true;
    }

    int descriptor_;
    std::unique_ptr<char[]> buffer_;
    std::size_t start_ = 0, end_ = 0;
};

template <typename Number>
Number Parse(std::string_view line) {
    Number value{};
    std::from_chars(line.data(), line.data() + line.size(), value);
    return value;
}

void Append(std::vector<LevelVertex>& vertices, const float (&file)[3], std::uint32_t colour) {
    vertices.push_back({-file[0] / 10.0f, file[1] / 10.0f, file[2] / 10.0f, 0.0f, 0.0f, 0.0f, colour});
}

class BufferedOutput {
public:
    explicit BufferedOutput(const std::string& path)
        : descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)), buffer_(new char[kBufferSize]) {
        if (descriptor_ < 0) throw std::runtime_error("cannot create " + path);
    }
    ~BufferedOutput() {
        Flush();
        ::close(descriptor_);
    }
    char* Reserve(std::size_t size) {
        if (used_ + size > kBufferSize) Flush();
        return buffer_.get() + used_;
    }
    void Commit(std::size_t size) { used_ += size; }

private:
    void Flush() {
        for (std::size_t done = 0; done < used_;) {
            const ssize_t wrote = ::write(descriptor_, buffer_.get() + done, used_ - done);
            if (wrote <= 0) throw std::runtime_error("write failed");
            done += static_cast<std::size_t>(wrote);
        }
        used_ = 0;
    }

    int descriptor_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace

std::vector<LevelVertex> BaselineReadText(const std::string& path) {
    LineSource source(path);
    std::vector<LevelVertex> vertices;
    std::string_view line;
    while (source.Next(line)) {
        const std::int32_t count = Parse<std::int32_t>(line);
        for (std::int64_t i = 0; i < 3 * static_cast<std::int64_t>(count); ++i) {
            float file[3];
            for (float& value : file) {
                if (!source.Next(line)) return vertices;
                value = Parse<float>(line);
            }
            if (!source.Next(line)) return vertices;
            Append(vertices, file, static_cast<std::uint32_t>(Parse<std::int64_t>(line)));
        }
    }
    return vertices;
}

std::vector<LevelVertex> BaselineReadBinary(const std::string& path) {
    LineSource source(path);
    std::vector<LevelVertex> vertices;
    std::int32_t count = 0;
    while (source.Read(&count, 4) == 4 && count != 0) {
        for (std::int64_t i = 0; i < 3 * static_cast<std::int64_t>(count); ++i) {
            float file[3];
            std::uint32_t colour = 0;
            if (source.Read(file, sizeof file) != sizeof file || source.Read(&colour, 4) != 4) return vertices;
            Append(vertices, file, colour);
        }
    }
    return vertices;
}

std::size_t BaselineConvert(const std::vector<LevelVertex>& vertices, std::vector<float>& faces) {
    faces.clear();
    faces.reserve(vertices.size() / 3 * 8 * 9);
    for (std::size_t t = 0; t + 2 < vertices.size(); t += 3) {
        const LevelVertex& a = vertices[t];
        const LevelVertex& b = vertices[t + 1];
        const LevelVertex& c = vertices[t + 2];
        const float e1[3] = {b.x - a.x, b.y - a.y, b.z - a.z};
        const float e2[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
        float n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
        const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        for (float& component : n) component = length > 0.0f ? component / length : 0.0f;
        const bool prism = std::fabs(n[0]) > 0.9999f || std::fabs(n[1]) > 0.9999f || std::fabs(n[2]) > 0.9999f;
        const float depth = (prism ? 6.0f : 5.0f) / 40.0f;
        const float apex[3] = {(a.x + b.x + c.x) / 3.0f + depth * n[0], (a.y + b.y + c.y) / 3.0f + depth * n[1],
                               (a.z + b.z + c.z) / 3.0f + depth * n[2]};
        const int faceCount = prism ? 8 : 4;
        for (int f = 0; f < faceCount; ++f) {
            const LevelVertex* corners[3] = {&a, &b, &c};
            for (int k = 0; k < 3; ++k) {
                const bool pushed = f > 0 && ((f + k) % 2 == 1);
                const LevelVertex& v = *corners[(f + k) % 3];
                faces.push_back(pushed ? (prism ? v.x + depth * n[0] : apex[0]) : v.x);
                faces.push_back(pushed ? (prism ? v.y + depth * n[1] : apex[1]) : v.y);
                faces.push_back(pushed ? (prism ? v.z + depth * n[2] : apex[2]) : v.z);
            }
        }
    }
    return faces.size() / 9;
}

std::uintmax_t BaselineWriteMapText(const std::vector<LevelVertex>& vertices, std::uintmax_t bytes,
                                    const std::string& path) {
    static constexpr std::string_view kTail = " BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 \r\n";
    BufferedOutput output(path);
    std::uintmax_t written = 0;
    const std::size_t triangles = vertices.size() / 3;
    for (std::size_t t = 0; written < bytes && triangles > 0; t = (t + 1) % triangles) {
        char line[256];
        char* end = line;
        *end++ = '\t';
        for (int corner : {1, 0, 2}) {
            const LevelVertex& v = vertices[3 * t + static_cast<std::size_t>(corner)];
            *end++ = '(';
            for (float c : {v.x, v.z, v.y}) {
                end = std::to_chars(end, line + sizeof line, static_cast<std::int32_t>(c * 40.0f)).ptr;
                *end++ = ' ';
            }
            end[-1] = ')';
            *end++ = ' ';
        }
        --end;
        std::memcpy(end, kTail.data(), kTail.size());
        end += kTail.size();
        const std::size_t size =
            static_cast<std::size_t>(std::min<std::uintmax_t>(static_cast<std::uintmax_t>(end - line), bytes - written));
        std::memcpy(output.Reserve(size), line, size);
        output.Commit(size);
        written += size;
    }
    return written;
}

}  // namespace ondrel::bench
