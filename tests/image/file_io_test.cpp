// Saving over what may stand at the target's name: links, names planted for the temporary
// file, protected files and things that are not files.
#include "image/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

struct FileIo : ::testing::Test {
    std::string Dir = test::MakeTempDir();
    ~FileIo() override { fs::remove_all(Dir); }
    std::string Path(const std::string& name) const { return Dir + "/" + name; }
    void Put(const std::string& name, const std::string& text) const { std::ofstream(Path(name)) << text; }
    std::string Get(const std::string& name) const {
        const auto bytes = ReadWholeFile(Path(name));
        return std::string(bytes.begin(), bytes.end());
    }
    std::string Save(const std::string& name, const std::string& text) const {
        try {
            WriteFileAtomically(Path(name), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        } catch (const EPixmoError& e) {
            return e.what();
        }
        return "";
    }
    mode_t Mode(const std::string& name) const { return static_cast<mode_t>(fs::status(Path(name)).permissions()); }
};

TEST_F(FileIo, SavingFollowsLinksAndCannotBeRedirected) {
    Put("victim", "keep");
    fs::create_symlink(Path("victim"), Path("out.bmp.~tmp" + std::to_string(::getpid())));
    const mode_t mask = ::umask(022);
    EXPECT_EQ(Save("out.bmp", "image"), "");
    ::umask(mask);
    EXPECT_EQ(Get("victim"), "keep");
    EXPECT_FALSE(fs::is_symlink(Path("out.bmp")));
    EXPECT_EQ(Get("out.bmp"), "image");
    EXPECT_EQ(Mode("out.bmp"), 0644u);  // as open gives a new file, not a temporary's 0600

    fs::create_directory(Path("real"));
    Put("real/a.bmp", "old");
    fs::permissions(Path("real/a.bmp"), fs::perms(0640));
    fs::create_symlink("real/a.bmp", Path("rel.bmp"));
    fs::create_symlink(Path("rel.bmp"), Path("chain.bmp"));
    EXPECT_EQ(Save("chain.bmp", "new"), "");
    EXPECT_TRUE(fs::is_symlink(Path("chain.bmp")) && fs::is_symlink(Path("rel.bmp")));
    EXPECT_EQ(Get("real/a.bmp"), "new");
    EXPECT_EQ(Mode("real/a.bmp"), 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 1);
}

TEST_F(FileIo, ProtectedFilesAndNonFilesAreRefusedAndKept) {
    // No write bit at all: refused to root too, whom permissions do not stop.
    Put("ro.bmp", "old");
    fs::permissions(Path("ro.bmp"), fs::perms(0444));
    EXPECT_EQ(Save("ro.bmp", "new"), "Cannot create file \"" + Path("ro.bmp") + "\". Permission denied");
    EXPECT_EQ(Get("ro.bmp"), "old");
    ASSERT_EQ(::mkfifo(Path("fifo.bmp").c_str(), 0600), 0);
    EXPECT_EQ(Save("fifo.bmp", "new"), "Cannot create file \"" + Path("fifo.bmp") + "\". Not a regular file");
    EXPECT_TRUE(fs::is_fifo(Path("fifo.bmp")));
    fs::create_directory(Path("dir.bmp"));
    EXPECT_EQ(Save("dir.bmp", "new"), "Cannot create file \"" + Path("dir.bmp") + "\". Is a directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), {}), 3);  // no temporary left behind
}

}  // namespace
}  // namespace pixmo
