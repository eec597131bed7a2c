// The example site as a user meets it: the project file names its sources, the installed
// translator translates it without an error, and PHP's built-in server serves the result, with
// the frame and menu on every page, each page's own text, the results of library functions, and
// the headers and session of the HTTP header program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex.h>
#include <sstream>
#include <string>
#include <vector>

#include "site_server.h"
#include "stage_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExample = TOLVA_EXAMPLE_DIR;
const fs::path kProjectFile = kExample / "site.tpr";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The project file as the editor reads it: a GENERAL block of eight lines and two file lists.
struct Project {
    std::vector<std::string> general;
    std::vector<std::string> editFiles;
    std::vector<std::string> srcFiles;
};

Project ReadProject(const fs::path& path) {
    Project project;
    std::vector<std::string> lines = Lines(ReadFile(path));
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at] == "GENERAL") {
            for (std::size_t n = 1; n <= 8 && at + n < lines.size(); ++n) {
                project.general.push_back(lines[at + n]);
            }
            at += 8;
        } else if (lines[at] == "EDITFILES" || lines[at] == "SRCFILES") {
            std::string end = lines[at] + "END";
            auto& list = lines[at] == "EDITFILES" ? project.editFiles : project.srcFiles;
            while (++at < lines.size() && lines[at] != end) list.push_back(lines[at]);
        }
    }
    return project;
}

// Runs the installed translator on the example project, from a folder of its own, as the
// editor's Build does.
CommandResult Translate(const fs::path& work, const fs::path& out) {
    Project project = ReadProject(kProjectFile);
    std::string command = "cd " + ShellQuote(work.string()) + " && " +
                          ShellQuote(StagedTranslator().string()) + " -s " +
                          ShellQuote((kExample / project.general.at(2)).string()) + " -o " +
                          ShellQuote(out.string());
    if (project.general.at(5) == "true") command += " -httphead";
    return RunCommand(command + " 2>&1");
}

TEST(ExampleProject, ProjectFileNamesEverySourceFile) {
    std::string text = ReadFile(kProjectFile);
    ASSERT_FALSE(text.empty()) << kProjectFile;
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(lines[0], "GENERAL");
    EXPECT_EQ(lines[9], "EDITFILES");
    EXPECT_EQ(lines.back(), "SRCFILESEND");
    for (std::size_t flag = 6; flag <= 8; ++flag) {
        EXPECT_TRUE(lines[flag] == "true" || lines[flag] == "false") << "line " << flag + 1;
    }

    Project project = ReadProject(kProjectFile);
    EXPECT_TRUE(Contains(project.srcFiles, project.general.at(2))) << "the main file";
    for (const std::string& file : project.srcFiles) {
        EXPECT_TRUE(fs::is_regular_file(kExample / file)) << file;
    }
    for (const std::string& file : project.editFiles) {
        EXPECT_TRUE(Contains(project.srcFiles, file)) << file << " is open but no source";
    }
    for (const auto& entry : fs::recursive_directory_iterator(kExample)) {
        if (entry.path().extension() != ".tol") continue;
        std::string file = fs::relative(entry.path(), kExample).generic_string();
        EXPECT_TRUE(Contains(project.srcFiles, file)) << file << " is missing from the project";
    }
    EXPECT_EQ(project.general.at(5), "true") << "the site needs its HTTP header program";
}

// One translation and one server for all the tests of a process.
class ExampleSite : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        work_ = fs::temp_directory_path() / ("tolva-site-" + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_ / "out");
        fs::create_directories(work_ / "sessions");
        translation_ = Translate(work_, work_ / "out");
        if (!HavePhp() || translation_.status != 0) return;
        server_ = std::make_unique<PhpServer>();
        serving_ = server_->Start(PHP_EXECUTABLE, work_ / "out", work_ / "server.log",
                                  {"display_errors=1", "error_reporting=-1",
                                   "session.save_path=" + (work_ / "sessions").string()});
    }

    static void TearDownTestSuite() {
        server_.reset();
        if (!testing::UnitTest::GetInstance()->Failed()) fs::remove_all(work_);
    }

    void SetUp() override {
        if (!HavePhp()) GTEST_SKIP() << "php is not installed";
        ASSERT_EQ(translation_.status, 0) << translation_.output;
        ASSERT_TRUE(serving_) << "php -S did not start; see " << work_ / "server.log";
    }

    // The page, which must arrive whole and free of PHP's complaints.
    static HttpResponse Page(const std::string& query, const std::string& extraHeaders = "") {
        HttpResponse response = HttpGet(server_->Port(), "/index.php" + query, extraHeaders);
        EXPECT_EQ(response.status, 200) << query;
        EXPECT_NE(response.body.find("</html>"), std::string::npos) << query;
        for (const char* complaint : {"Warning:", "Notice:", "Deprecated:", "Fatal error:"}) {
            EXPECT_EQ(response.body.find(complaint), std::string::npos) << query << "\n"
                                                                        << response.body;
        }
        return response;
    }

    static fs::path work_;
    static CommandResult translation_;
    static std::unique_ptr<PhpServer> server_;
    static bool serving_;
};

fs::path ExampleSite::work_;
CommandResult ExampleSite::translation_;
std::unique_ptr<PhpServer> ExampleSite::server_;
bool ExampleSite::serving_ = false;

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

TEST(ExampleTranslation, TranslatesWithoutAnError) {
    fs::path work = fs::temp_directory_path() / ("tolva-site-only-" + std::to_string(getpid()));
    fs::remove_all(work);
    fs::create_directories(work / "out");
    CommandResult translation = Translate(work, work / "out");
    EXPECT_EQ(translation.status, 0);
    EXPECT_EQ(translation.output.find("Error: "), std::string::npos) << translation.output;
    EXPECT_HAS(translation.output, "Done! \\o/");
    EXPECT_TRUE(fs::exists(work / "out" / "tol_httpheader.php"));
    EXPECT_TRUE(fs::exists(work / "out" / "pages" / "parts" / "card.php")) << "nested include";
    if (!HasFailure()) fs::remove_all(work);
}

// True when an extended POSIX pattern occurs in text. (std::regex trips a false
// maybe-uninitialized warning of g++ 12 in the sanitizer build.)
bool Matches(const std::string& text, const char* pattern) {
    regex_t compiled;
    if (regcomp(&compiled, pattern, REG_EXTENDED | REG_NOSUB) != 0) return false;
    bool found = regexec(&compiled, text.c_str(), 0, nullptr, 0) == 0;
    regfree(&compiled);
    return found;
}

TEST_F(ExampleSite, EveryPageHasTheFrameAndMarksItselfInTheMenu) {
    const std::vector<std::pair<std::string, std::string>> pages = {
        {"home", "Home"}, {"about", "About"}, {"numbers", "Numbers"}, {"hello", "Say hello"}};
    for (const auto& [name, label] : pages) {
        std::string body = Page("?page=" + name).body;
        EXPECT_HAS(body, "<title>site</title>");
        EXPECT_HAS(body, "<h1>Tolva Example</h1>");
        EXPECT_HAS(body, "<strong>" + label + "</strong>");
        for (const auto& [other, otherLabel] : pages) {
            if (other == name) continue;
            EXPECT_HAS(body, "<a href=\"index.php?page=" + other + "\">" + otherLabel + "</a>");
        }
        EXPECT_TRUE(Matches(body, "Made with TolvaBasic, [0-9]{4}\\."))
            << body;
    }
}

TEST_F(ExampleSite, HomePageIsTheDefaultAndShowsTheDate) {
    for (const std::string& query : {std::string(), std::string("?page=nowhere")}) {
        std::string body = Page(query).body;
        EXPECT_HAS(body, "<strong>Home</strong>");
        EXPECT_HAS(body, "<h2>Welcome</h2>");
        EXPECT_TRUE(Matches(body, "Today is [A-Z][a-z]+day, [0-9]{1,2} [A-Z][a-z]+ [0-9]{4}\\."))
            << body;
    }
}

TEST_F(ExampleSite, AboutPageShowsItsCards) {
    std::string body = Page("?page=about").body;
    EXPECT_HAS(body, "<div class='card'><h3>Source files</h3><ul><li>site.tol: the main program");
    EXPECT_HAS(body, "<h3>Words</h3>");
    EXPECT_HAS(body, "<li>The motto small pages, plain words has 24 characters.</li>");
    EXPECT_HAS(body, "<li>Shouted: SMALL PAGES, PLAIN WORDS</li>");
}

TEST_F(ExampleSite, NumbersPageShowsLibraryResults) {
    std::string body = Page("?page=numbers").body;
    EXPECT_HAS(body, "<ul><li>36</li><li>25</li><li>16</li><li>9</li><li>4</li><li>1</li></ul>");
    EXPECT_HAS(body, "<p>Their sum is 91.</p>");
    EXPECT_HAS(body, "<p>The square root of 144 is 12.</p>");
    EXPECT_HAS(body, "<p>Pi to four places is 3.1416.</p>");
}

TEST_F(ExampleSite, HelloPageGreetsWithTheEscapedName) {
    EXPECT_HAS(Page("?page=hello").body, "<p>Who are you?</p>");
    std::string body = Page("?page=hello&name=%20%3Cb%3EAnn%20").body;
    EXPECT_HAS(body, "<p>Hello, &lt;b&gt;Ann!</p>");
    EXPECT_HAS(body, "<input type=\"text\" name=\"name\" value=\"&lt;b&gt;Ann\" />");
    EXPECT_EQ(body.find("<b>Ann"), std::string::npos) << body;
}

TEST_F(ExampleSite, HeaderProgramSendsHeadersAndCountsVisits) {
    HttpResponse first = Page("?page=home");
    EXPECT_EQ(first.Header("X-Tolva-Site"), "example") << first.headers;
    EXPECT_EQ(first.Header("Content-Type"), "text/html; charset=utf-8") << first.headers;
    EXPECT_HAS(first.body, "Pages seen in this visit: 1</p>");

    std::string cookie = first.Header("Set-Cookie");
    cookie = cookie.substr(0, cookie.find(';'));
    ASSERT_FALSE(cookie.empty()) << first.headers;
    Page("?page=about", "Cookie: " + cookie + "\r\n");
    HttpResponse third = Page("?page=home", "Cookie: " + cookie + "\r\n");
    EXPECT_HAS(third.body, "Pages seen in this visit: 3</p>");
}

}  // namespace
