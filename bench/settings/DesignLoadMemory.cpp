// The memory a design load takes, for files of every shape a hostile design can have. Each load
// runs in a child process of its own, whose peak resident memory (VmHWM, reset before the load)
// is compared with the file's size. Last, the memory still held after a big design and then two
// small ones were loaded: the profile cache must have let the big one go.
#include "settings/DesignFile.h"
#include "settings/StartUp.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + std::char_traits<char>::length(field), nullptr, 10);
    return -1;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void Load(const std::string& file)
{
    ResetAllSettings();
    ClassListModel rows;
    LoadDesignFile(file.c_str(), rows);
}

// Runs the work in a child; it prints one line.
void InChild(const std::function<void()>& work)
{
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        std::fflush(stdout);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::printf("    (the child ended abnormally: status %d)\n", status);
}

struct Shape {
    const char* name;
    std::string text;
};

std::string Repeat(const std::string& piece, size_t bytes)
{
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() + piece.size() <= bytes)
        text += piece;
    return text;
}

std::string LongSectionName(size_t nameBytes, int keys)
{
    std::string text = "[" + std::string(nameBytes, 'S') + "]\n";
    for (int i = 0; i < keys; ++i)
        text += "k" + std::to_string(i) + "=v\n";
    return text + "[Main]\nTitle=x\n";
}

std::string TypicalClasses(size_t bytes)
{
    std::string text = "[Main]\r\nTitle=diary\r\nMonth_Start=1\r\nMonth_End=12\r\nDay_Start=1\r\nDay_End=31\r\n";
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[LIST" + std::to_string(section) + "]\r\nCOL_ID=" + std::to_string(section + 1) + "\r\n";
        text += "COL_CLASS_TITLE=Work of the day\r\nCOL_LINE_COUNT=5\r\nCOL_CLASS_FONT_NAME=Tahoma\r\n"
                "COL_CLASS_FONT_COLOR=FF0000\r\nCOL_UNDONE_TEXT=[done]\r\nline_type=dashed\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    const size_t bound = 4u << 20;
    std::vector<Shape> shapes = {
        {"typical classes, just under 4 MiB", TypicalClasses(bound - 4096)},
        {"64 KiB section name, 20,000 keys", LongSectionName(64 << 10, 20000)},
        {"2 MiB section name, 20,000 keys", LongSectionName(2 << 20, 20000)},
        {"line ends only, 4 MiB", std::string(bound - 1, '\n')},
        {"short keys in one section, 4 MiB", "[Main]\n" + Repeat("k=v\n", bound - 8)},
        {"short sections, 4 MiB", Repeat("[s]\n", bound - 1)},
        {"one long value, 4 MiB", "[Main]\nTitle=" + std::string(bound - 32, 'x') + "\n"},
        {"typical classes, 119 MB", TypicalClasses(119u << 20)},
    };
    std::printf("%-40s %12s %14s %8s\n", "design", "file bytes", "peak growth", "ratio");
    for (const Shape& shape : shapes) {
        const std::string file = folder + "/design_load_memory.ini";
        std::ofstream(file, std::ios::binary) << shape.text;
        InChild([&] {
            // Free memory the child inherited would be taken again without showing.
            ::malloc_trim(0);
            const long before = StatusKilobytes("VmRSS:");
            ResetPeak();
            Load(file);
            const long growth = (StatusKilobytes("VmHWM:") - before) * 1024;
            std::printf("%-40s %12zu %14ld %8.2f\n", shape.name, shape.text.size(), growth,
                        static_cast<double>(growth) / static_cast<double>(shape.text.size()));
        });
        std::remove(file.c_str());
    }

    // A big design, then two small ones: what the process still holds afterwards.
    const std::string big = folder + "/design_load_big.ini", small = folder + "/design_load_small.ini",
                      other = folder + "/design_load_other.ini";
    std::ofstream(big, std::ios::binary) << shapes[4].text;
    std::ofstream(small, std::ios::binary) << TypicalClasses(40000);
    std::ofstream(other, std::ios::binary) << TypicalClasses(20000);
    InChild([&] {
        ::malloc_trim(0);
        const long before = StatusKilobytes("VmRSS:");
        Load(big);
        ::malloc_trim(0);
        const long held = StatusKilobytes("VmRSS:") - before;
        Load(small);
        Load(other);
        ::malloc_trim(0);
        std::printf("held after the big design: %ld KiB; after two small ones as well: %ld KiB\n", held,
                    StatusKilobytes("VmRSS:") - before);
    });
    std::remove(big.c_str());
    std::remove(small.c_str());
    std::remove(other.c_str());
    return 0;
}
