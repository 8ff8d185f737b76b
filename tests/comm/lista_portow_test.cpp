#include "platform/lista_portow.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "pseudoterminal.h"

namespace fs = std::filesystem;
using Porty = std::vector<std::string>;

namespace {

void zapisz(const fs::path& p, const std::string& tresc) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << tresc;
}

// A /dev and a /sys/class/tty of our own; device nodes are links to a real character device.
class MiejscaTestowe : public ::testing::Test {
protected:
    void SetUp() override {
        katalog = fs::temp_directory_path() /
                  ("panelcfg-porty-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(katalog);
        m.dev = (katalog / "dev").string();
        m.klasaTty = (katalog / "tty").string();
        m.ogloszenia = (katalog / "ogloszenia").string();
        fs::create_directories(m.dev);
        fs::create_directories(m.klasaTty);
        fs::create_directories(m.ogloszenia);
        fs::permissions(m.ogloszenia, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(katalog); }

    // A device the kernel lists; `typ` empty: no type attribute, as USB and ACM devices.
    void urzadzenie(const std::string& nazwa, bool sprzet, const std::string& typ = {}) {
        const fs::path wpis = fs::path(m.klasaTty) / nazwa;
        fs::create_directories(wpis);
        if (sprzet) fs::create_directories(wpis / "device");
        if (!typ.empty()) zapisz(wpis / "type", typ + "\n");
        fs::create_symlink("/dev/null", fs::path(m.dev) / nazwa);
    }

    fs::path katalog;
    platform::MiejscaPortow m;
};

} // namespace

TEST_F(MiejscaTestowe, KernelDevicesAreTheSerialKindsBackedByHardwareInNaturalOrder) {
    urzadzenie("ttyS10", true, "4");
    urzadzenie("ttyS2", true, "4");
    urzadzenie("ttyS3", true, "0"); // a UART slot with nothing found
    urzadzenie("ttyUSB0", true);
    urzadzenie("ttyACM1", false); // no device behind it
    urzadzenie("tty1", true);     // a console, not a serial port
    fs::create_directories(fs::path(m.klasaTty) / "ttyUSB7" / "device"); // no node in /dev
    EXPECT_EQ(platform::listaPortow(m), (Porty{"ttyS2", "ttyS10", "ttyUSB0"}));
}

TEST_F(MiejscaTestowe, AnnouncedPortsAreListedWhileTheirDeviceAndProcessLast) {
    Pseudoterminal pty;
    ASSERT_TRUE(pty.gotowy());
    m.dev = "/dev";
    const std::string plik = platform::ogloszPort(pty.nazwa, m.ogloszenia);
    ASSERT_FALSE(plik.empty());
    EXPECT_EQ(platform::listaPortow(m).back(), pty.nazwa);

    // A process that has ended, a name leaving /dev, a device that is gone: all dropped, and the
    // stale announcements removed.
    const long zadenProces = 2147483647; // beyond any pid the kernel gives out
    zapisz(fs::path(m.ogloszenia) / "umarly",
           pty.nazwa + "\n" + std::to_string(zadenProces) + "\n");
    zapisz(fs::path(m.ogloszenia) / "obcy", "../etc/passwd\n");
    zapisz(fs::path(m.ogloszenia) / "brak", "pts/999999\n");
    const Porty lista = platform::listaPortow(m);
    EXPECT_EQ(std::count(lista.begin(), lista.end(), pty.nazwa), 1);
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "pts/999999"), 0);
    EXPECT_FALSE(fs::exists(fs::path(m.ogloszenia) / "umarly"));
    EXPECT_FALSE(fs::exists(fs::path(m.ogloszenia) / "brak"));

    pty.zamknij(); // the simulator's pseudo-terminal goes away
    const Porty potem = platform::listaPortow(m);
    EXPECT_EQ(std::count(potem.begin(), potem.end(), pty.nazwa), 0);
    EXPECT_FALSE(fs::exists(plik));
}

TEST_F(MiejscaTestowe, AFolderOthersMayWriteToIsNotRead) {
    Pseudoterminal pty;
    ASSERT_TRUE(pty.gotowy());
    m.dev = "/dev";
    ASSERT_FALSE(platform::ogloszPort(pty.nazwa, m.ogloszenia).empty());
    fs::permissions(m.ogloszenia, fs::perms::all);
    const Porty lista = platform::listaPortow(m);
    EXPECT_EQ(std::count(lista.begin(), lista.end(), pty.nazwa), 0);
}

TEST(ListaPortow, PortNamesStayBelowDev) {
    for (const char* dobra : {"ttyS0", "ttyUSB10", "pts/12", "ttyUSB123456789"})
        EXPECT_TRUE(platform::czyPoprawnaNazwaPortu(dobra)) << dobra;
    for (const char* zla : {"", "ttyUSB1234567890", "../sda", "pts/..", "/pts/1", "pts//1",
                            "pts/1/", "tty S0", "tty;rm"})
        EXPECT_FALSE(platform::czyPoprawnaNazwaPortu(zla)) << zla;
    EXPECT_TRUE(platform::ogloszPort("../sda", "/tmp").empty());
}

TEST(ListaPortow, TheAnnouncementFolderIsPerUser) {
    const char* stary = std::getenv("XDG_RUNTIME_DIR");
    const std::string zachowany = stary != nullptr ? stary : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    EXPECT_EQ(platform::katalogOgloszenPortow(), "/run/user/1234/panelcfg/ports");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(platform::katalogOgloszenPortow(),
              "/tmp/panelcfg-" + std::to_string(::getuid()) + "/ports");
    if (stary != nullptr) ::setenv("XDG_RUNTIME_DIR", zachowany.c_str(), 1);
}
