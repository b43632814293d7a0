#pragma once

#include <string>
#include <vector>

namespace forms {

// One row of the folder browser's tree.
struct FolderNode {
    std::string path;    // empty for the virtual root
    std::string display; // what the row shows
    int depth = 0;
    bool file = false;

    bool IsVirtual() const { return path.empty(); }
    bool operator==(const FolderNode&) const = default;
};

// The folder browser's tree as rows: the root, the chain of folders down to the open one, and
// the open one's children one level deeper. The virtual root (root path "") holds the home folder
// and "/"; any other root is that folder.
class FolderTree {
public:
    FolderTree(std::string root, std::string home, bool includeFiles);

    const std::vector<FolderNode>& Rows() const { return m_rows; }
    // Opens the folder of a row: its children show below it. Files and bad rows change nothing.
    void Open(size_t row);
    void OpenPath(const std::string& path);
    const std::string& OpenFolder() const { return m_open; }

    static std::string DisplayName(const std::string& path);

private:
    void Rebuild();

    std::string m_root;
    std::string m_home;
    bool m_includeFiles;
    std::string m_open; // "" for the virtual root
    std::vector<FolderNode> m_rows;
};

} // namespace forms
