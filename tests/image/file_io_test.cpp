// Saving over what may already stand at the target's name: links, protected files, things
// that are not files, and names planted for the temporary file.
#include "image/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/errors.h"
#include "support/test_support.h"

namespace pixmo {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override { FDir = test::MakeTempDir(); }
    void TearDown() override { fs::remove_all(FDir); }
    std::string Path(const std::string& name) const { return FDir + "/" + name; }
    static void Put(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string SaveError(const std::string& path, const std::string& text) {
        try {
            WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        } catch (const EPixmoError& e) {
            return e.what();
        }
        return "";
    }
    int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(FDir), {})); }
    static mode_t Mode(const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
    std::string FDir;
};

TEST_F(FileIo, APlantedTemporaryNameReceivesNothing) {
    Put(Path("victim"), "keep");
    fs::create_symlink(Path("victim"), Path("out.bmp.~tmp" + std::to_string(::getpid())));
    const mode_t mask = ::umask(022);
    EXPECT_EQ(SaveError(Path("out.bmp"), "image"), "");
    ::umask(mask);
    EXPECT_EQ(Get(Path("victim")), "keep");
    EXPECT_FALSE(fs::is_symlink(Path("out.bmp")));
    EXPECT_EQ(Get(Path("out.bmp")), "image");
    EXPECT_EQ(Mode(Path("out.bmp")), 0644u);  // as open would have made it, not the 0600 of a temporary
    EXPECT_EQ(Entries(), 3);
}

TEST_F(FileIo, ALinkIsFollowedAndSurvives) {
    fs::create_directory(Path("real"));
    Put(Path("real/a.bmp"), "old");
    ::chmod(Path("real/a.bmp").c_str(), 0640);
    fs::create_symlink("real/a.bmp", Path("rel.bmp"));
    fs::create_symlink(Path("rel.bmp"), Path("chain.bmp"));
    EXPECT_EQ(SaveError(Path("chain.bmp"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(Path("chain.bmp")));
    EXPECT_TRUE(fs::is_symlink(Path("rel.bmp")));
    EXPECT_EQ(Get(Path("real/a.bmp")), "new");
    EXPECT_EQ(Mode(Path("real/a.bmp")), 0640u);
    // A dangling link creates the file it names.
    fs::create_symlink("real/b.bmp", Path("dangling.bmp"));
    EXPECT_EQ(SaveError(Path("dangling.bmp"), "b"), "");
    EXPECT_TRUE(fs::is_symlink(Path("dangling.bmp")));
    EXPECT_EQ(Get(Path("real/b.bmp")), "b");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 2);
}

TEST_F(FileIo, ProtectedFilesAndNonFilesAreRefusedAndKept) {
    // Read-only for everyone: refused to root too, who passes every permission check.
    Put(Path("ro.bmp"), "old");
    ::chmod(Path("ro.bmp").c_str(), 0444);
    EXPECT_EQ(SaveError(Path("ro.bmp"), "new"), "Cannot create file \"" + Path("ro.bmp") + "\". Permission denied");
    EXPECT_EQ(Get(Path("ro.bmp")), "old");
    ASSERT_EQ(::mkfifo(Path("fifo.bmp").c_str(), 0600), 0);
    EXPECT_EQ(SaveError(Path("fifo.bmp"), "new"), "Cannot create file \"" + Path("fifo.bmp") + "\". Not a regular file");
    EXPECT_TRUE(fs::is_fifo(Path("fifo.bmp")));
    fs::create_directory(Path("dir.bmp"));
    EXPECT_EQ(SaveError(Path("dir.bmp"), "new"), "Cannot create file \"" + Path("dir.bmp") + "\". Is a directory");
    EXPECT_EQ(Entries(), 3);  // no temporary left behind
}

}  // namespace
}  // namespace pixmo
