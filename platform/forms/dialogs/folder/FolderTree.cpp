#include "platform/forms/dialogs/folder/FolderTree.h"

#include "platform/forms/dialogs/file/FolderListing.h"

#include <filesystem>

namespace forms {

namespace fs = std::filesystem;

namespace {

constexpr const char* kVirtualRootName = "Folders";

bool Within(const std::string& path, const std::string& folder) {
    if (folder == "/") {
        return !path.empty() && path.front() == '/';
    }
    return path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/');
}

} // namespace

FolderTree::FolderTree(std::string root, std::string home, bool includeFiles)
    : m_root(std::move(root)), m_home(std::move(home)), m_includeFiles(includeFiles),
      m_open(m_root) {
    Rebuild();
}

std::string FolderTree::DisplayName(const std::string& path) {
    if (path.empty()) {
        return kVirtualRootName;
    }
    const std::string name = fs::path(path).filename().string();
    return name.empty() ? path : name;
}

void FolderTree::Open(size_t row) {
    if (row < m_rows.size() && !m_rows[row].file) {
        m_open = m_rows[row].path;
        Rebuild();
    }
}

void FolderTree::OpenPath(const std::string& path) {
    const bool underRoot = m_root.empty() ? Within(path, "/") : Within(path, m_root);
    if (underRoot) {
        m_open = path;
        Rebuild();
    }
}

void FolderTree::Rebuild() {
    m_rows.clear();
    m_rows.push_back({m_root, DisplayName(m_root), 0, false});
    // The chain from the root's top folder down to the open one.
    std::vector<std::string> chain;
    if (!m_open.empty() && m_open != m_root) {
        std::string top = m_root;
        if (m_root.empty()) {
            top = !m_home.empty() && Within(m_open, m_home) ? m_home : "/";
        }
        for (fs::path p(m_open); p.string() != top && p.has_relative_path(); p = p.parent_path()) {
            chain.insert(chain.begin(), p.string());
        }
        if (m_root.empty()) {
            chain.insert(chain.begin(), top);
        }
    }
    int depth = 1;
    for (const std::string& folder : chain) {
        m_rows.push_back({folder, DisplayName(folder), depth++, false});
    }
    if (m_open.empty()) {
        // The virtual root holds the home folder and the file-system root.
        if (!m_home.empty()) {
            m_rows.push_back({m_home, DisplayName(m_home), 1, false});
        }
        m_rows.push_back({"/", "/", 1, false});
        return;
    }
    for (const FolderEntry& entry : ListFolder(m_open, "", m_includeFiles)) {
        m_rows.push_back(
            {(fs::path(m_open) / entry.name).string(), entry.name, depth, !entry.folder});
    }
}

} // namespace forms
