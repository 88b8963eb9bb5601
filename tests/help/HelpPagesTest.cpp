// Checks the help pages as the program and any browser meet them: well-formed polyglot HTML, the
// anchors the program opens, links that lead somewhere, and the copy beside the executables.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace schattwerk {
namespace {

const QString kSourceDir = QStringLiteral(HELP_SOURCE_DIR);
const QString kCopyDir = QStringLiteral(HELP_COPY_DIR);

// What the program opens: the start page, each dialog's page and each message's entry.
constexpr std::array kProgramTopics{
    "index.html",
    "ref_dlg_main.html#content",
    "ref_dlg_hinweise.html#content",
    "ref_dlg_info.html#content",
    "ref_meldungen.html#l_e100",
    "ref_meldungen.html#l_e101",
};

// HTML closes these by itself; any other element written as <x/> stays open in a browser.
const std::set<QString> kVoidElements{"area",  "base", "br",   "col",    "embed", "hr", "img",
                                      "input", "link", "meta", "source", "track", "wbr"};

const QString kXmlNamespace = QStringLiteral("http://www.w3.org/XML/1998/namespace");

// What the checks need to know of one page.
struct Page {
    std::string error;  // empty when the page reads as UTF-8 and well-formed XML
    std::string doctype;
    std::string lang;
    std::string xmlLang;
    std::string charset;
    std::string title;
    std::vector<std::string> ids;         // in document order, repeats kept
    std::vector<std::string> references;  // every href and src
    std::vector<std::string> stylesheets;
    std::vector<std::string> faults;  // markup that XML accepts but HTML reads differently
};

void ReadElement(QXmlStreamReader& reader, Page& page) {
    const QString name = reader.name().toString();
    const QXmlStreamAttributes attributes = reader.attributes();
    if (name != name.toLower()) {
        page.faults.push_back("tag <" + name.toStdString() + "> is not lower-case");
    }
    if (name == "script") {
        page.faults.push_back("script");
    }
    if (name == "html") {
        page.lang = attributes.value("lang").toString().toStdString();
        page.xmlLang = attributes.value(kXmlNamespace, "lang").toString().toStdString();
    }
    if (name == "meta" && attributes.hasAttribute("charset")) {
        page.charset = attributes.value("charset").toString().toStdString();
    }
    if (name == "link" && attributes.value("rel") == QStringLiteral("stylesheet")) {
        page.stylesheets.push_back(attributes.value("href").toString().toStdString());
    }
    for (const QXmlStreamAttribute& attribute : attributes) {
        const QString attributeName = attribute.name().toString();
        if (attributeName == "id") {
            page.ids.push_back(attribute.value().toString().toStdString());
        } else if (attributeName == "href" || attributeName == "src") {
            page.references.push_back(attribute.value().toString().toStdString());
        }
    }
    if (name == "title") {
        page.title = reader.readElementText().trimmed().toStdString();
    }
}

Page ReadPage(const QByteArray& bytes) {
    Page page;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        page.error = "not UTF-8";
        return page;
    }
    QXmlStreamReader reader(text);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
            case QXmlStreamReader::DTD:
                page.doctype = reader.text().toString().toStdString();
                break;
            case QXmlStreamReader::StartElement:
                ReadElement(reader, page);
                break;
            case QXmlStreamReader::EndElement: {
                // An empty-element tag ends right where its end is reported.
                const auto end = static_cast<qsizetype>(reader.characterOffset());
                const QString name = reader.name().toString();
                if (!kVoidElements.contains(name) && text.first(end).endsWith("/>")) {
                    page.faults.push_back("<" + name.toStdString() + "/> is left open by HTML");
                }
                break;
            }
            default:
                break;
        }
    }
    if (reader.hasError()) {
        page.error = "line " + std::to_string(reader.lineNumber()) + ": " +
                     reader.errorString().toStdString();
    }
    return page;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of a help folder that belong to the pages, by name.
std::vector<std::string> HelpFileNames(const QString& path) {
    std::vector<std::string> names;
    for (const QString& name : QDir(path).entryList(QDir::Files, QDir::Name)) {
        if (name != "CMakeLists.txt") {
            names.push_back(name.toStdString());
        }
    }
    return names;
}

std::map<std::string, Page> ReadSourcePages() {
    std::map<std::string, Page> pages;
    const QDir dir(kSourceDir);
    for (const QString& name : dir.entryList({"*.html"}, QDir::Files)) {
        pages[name.toStdString()] = ReadPage(FileBytes(dir.filePath(name)));
    }
    return pages;
}

bool HasId(const Page& page, const std::string& id) {
    return std::find(page.ids.begin(), page.ids.end(), id) != page.ids.end();
}

// Why a reference from one page of the folder leads nowhere; empty when it leads to an existing
// page of the folder and, if it names one, an existing anchor in it.
std::string BrokenReason(const std::map<std::string, Page>& pages, const std::string& from,
                         const std::string& reference) {
    if (reference.find(':') != std::string::npos || reference.starts_with("//")) {
        return "leaves the help folder";
    }
    const std::size_t hash = reference.find('#');
    std::string file = reference.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? "" : reference.substr(hash + 1);
    if (file.empty()) {
        file = from;
    }
    if (file.find('/') != std::string::npos || file.find('\\') != std::string::npos) {
        return "leaves the help folder";
    }
    if (!QFile::exists(QDir(kSourceDir).filePath(QString::fromStdString(file)))) {
        return "names a missing file";
    }
    if (anchor.empty()) {
        return "";
    }
    const auto page = pages.find(file);
    if (page == pages.end() || !HasId(page->second, anchor)) {
        return "names a missing anchor";
    }
    return "";
}

TEST(HelpPages, EveryTopicTheProgramOpensLeadsToItsAnchor) {
    const auto pages = ReadSourcePages();
    for (const char* topic : kProgramTopics) {
        EXPECT_EQ(BrokenReason(pages, "", topic), "") << topic;
    }
}

TEST(HelpPages, EveryPageIsWellFormedPolyglotHtml) {
    const auto pages = ReadSourcePages();
    ASSERT_FALSE(pages.empty()) << kSourceDir.toStdString();
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name);
        EXPECT_EQ(page.error, "");
        EXPECT_EQ(page.doctype, "<!DOCTYPE html>");
        EXPECT_EQ(page.lang, "de");
        EXPECT_TRUE(page.xmlLang.empty() || page.xmlLang == "de") << page.xmlLang;
        EXPECT_EQ(QString::fromStdString(page.charset).toLower(), "utf-8");
        EXPECT_NE(page.title, "");
        EXPECT_EQ(page.faults, std::vector<std::string>());
    }
}

TEST(HelpPages, EveryPageUsesTheSharedStylesheet) {
    const auto pages = ReadSourcePages();
    for (const auto& [name, page] : pages) {
        EXPECT_EQ(page.stylesheets, std::vector<std::string>{"style.css"}) << name;
    }
    EXPECT_TRUE(QFile::exists(QDir(kSourceDir).filePath("style.css")));
}

TEST(HelpPages, NoPageRepeatsAnId) {
    for (const auto& [name, page] : ReadSourcePages()) {
        std::set<std::string> seen;
        for (const std::string& id : page.ids) {
            EXPECT_TRUE(seen.insert(id).second) << name << ": " << id;
        }
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorInTheFolder) {
    const auto pages = ReadSourcePages();
    for (const auto& [name, page] : pages) {
        for (const std::string& reference : page.references) {
            EXPECT_EQ(BrokenReason(pages, name, reference), "") << name << ": " << reference;
        }
    }
}

TEST(HelpPages, CopyBesideTheExecutablesHoldsTheSameFiles) {
    const std::vector<std::string> files = HelpFileNames(kSourceDir);
    ASSERT_EQ(HelpFileNames(kCopyDir), files) << kCopyDir.toStdString();
    for (const std::string& name : files) {
        const QString file = QString::fromStdString(name);
        EXPECT_EQ(FileBytes(QDir(kCopyDir).filePath(file)),
                  FileBytes(QDir(kSourceDir).filePath(file)))
            << name;
    }
}

// The checks above are only as good as the reader; these are the slips it must not let through.
TEST(HelpPages, ReaderCatchesWhatBrowsersOrXmlReadersWouldMisread) {
    const QByteArray head = "<!DOCTYPE html><html lang=\"de\"><head><title>T</title></head><body>";
    const QByteArray tail = "</body></html>";

    EXPECT_EQ(ReadPage(head + "<p>a<br/>b</p>" + tail).faults, std::vector<std::string>());
    EXPECT_EQ(ReadPage(head + "<p></p>" + tail).faults, std::vector<std::string>());
    EXPECT_EQ(ReadPage(head + "<p>Gr\xc3\xbc\xc3\x9f dich</p><a id=\"x\"/>" + tail).faults,
              std::vector<std::string>{"<a/> is left open by HTML"});
    EXPECT_EQ(ReadPage(head + "<P>a</P>" + tail).faults,
              std::vector<std::string>{"tag <P> is not lower-case"});
    EXPECT_EQ(ReadPage(head + "<script></script>" + tail).faults,
              std::vector<std::string>{"script"});

    EXPECT_NE(ReadPage(head + "<p>a" + tail).error, "");
    EXPECT_NE(ReadPage(head + "<p>a&nbsp;b</p>" + tail).error, "");
    EXPECT_NE(ReadPage(head + "<p>\xe4</p>" + tail).error, "");
    EXPECT_EQ(ReadPage(head + "<p>\xc3\xa4</p>" + tail).error, "");
}

TEST(HelpPages, LinksOutOfTheFolderOrToMissingAnchorsAreBroken) {
    std::map<std::string, Page> pages;
    pages["index.html"].ids = {"seiten"};
    EXPECT_EQ(BrokenReason(pages, "index.html", "#seiten"), "");
    EXPECT_EQ(BrokenReason(pages, "index.html", "index.html#seiten"), "");
    EXPECT_EQ(BrokenReason(pages, "index.html", "#fehlt"), "names a missing anchor");
    EXPECT_EQ(BrokenReason(pages, "index.html", "fehlt.html"), "names a missing file");
    EXPECT_EQ(BrokenReason(pages, "index.html", "../README.md"), "leaves the help folder");
    EXPECT_EQ(BrokenReason(pages, "index.html", "https://example.org/"), "leaves the help folder");
    EXPECT_EQ(BrokenReason(pages, "index.html", "//example.org/x.css"), "leaves the help folder");
}

}  // namespace
}  // namespace schattwerk
