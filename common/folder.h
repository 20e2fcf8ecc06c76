#pragma once
// Folders held open, and files named relative to them.
//
// The program's files lie in its own folders under the program directory ("SYSTEM/ERLOGS",
// "Files/Hardcopies"). Each of them is reached from the open program directory one step at a
// time, and no step follows a symbolic link: a link planted in the program directory (which
// others may be able to write to) could otherwise send a write anywhere on the machine. The
// program directory itself is taken as it stands, links in its own path included: the user
// chose it by starting the program there.

#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

// Why a folder below another could not be opened.
enum class FolderRefusal {
    None,          // it was opened
    Missing,       // a step does not exist
    Link,          // a step is a symbolic link, which is not followed
    NotDirectory,  // a step is something other than a directory
    Other,         // any other failure (no permission, no parent folder)
};

// An open folder (or none), with the path text it was opened by, for messages and for
// processes that need a path. Copies share the one open descriptor.
class Folder {
public:
    // No folder: every file named in it fails to open.
    Folder() = default;

    // The process's working directory. Not open when its path cannot be read (the directory
    // was deleted) or it cannot be opened; `problem` then says why in words.
    static Folder WorkingDirectory(std::string* problem = nullptr);
    // The folder at `path`, taken as it stands (links in it followed).
    static Folder AtPath(const std::string& path);

    bool IsOpen() const { return m_fd != nullptr; }
    // The open descriptor, or -1.
    int Fd() const;
    const std::string& Path() const { return m_path; }
    // The path text of `name` in this folder.
    std::string PathOf(std::string_view name) const;

    // The folder `relative` ("SYSTEM/ERLOGS", separators "/", empty parts skipped) below this
    // one, opened one step at a time without following a link; ".." is refused. A folder
    // that is not open when any step fails, with the reason in `refusal`.
    Folder Below(std::string_view relative, FolderRefusal* refusal = nullptr) const;
    // True when the folder may be searched, so files in it can be reached.
    bool Searchable() const;
    // Makes the folder the process's working directory; false when that fails.
    bool Enter() const;

private:
    Folder(int fd, std::string path);

    std::shared_ptr<const int> m_fd;
    std::string m_path;
};

// A file's place: a name in an open folder, or a path taken from the working directory as it
// stands (what the command line gives). The file-system helpers take one of these; a path
// text converts to one.
class FileAt {
public:
    FileAt() = default;
    FileAt(std::string path) : m_name(std::move(path)) {}  // NOLINT: a path is a place
    FileAt(const char* path) : m_name(path) {}             // NOLINT: a path is a place
    FileAt(Folder folder, std::string name)
        : m_folder(std::move(folder)), m_name(std::move(name)), m_inFolder(true) {}

    // The descriptor the name is relative to: the folder's (-1 when it is not open, so that
    // nothing is reached), or the working directory's for a path.
    int DirectoryFd() const;
    // The name in the folder, or the whole path.
    const std::string& Name() const { return m_name; }
    // The path text, for messages.
    std::string Shown() const;
    bool InFolder() const { return m_inFolder; }
    const Folder& ParentFolder() const { return m_folder; }

    // The same place with `suffix` added to the name ("QuorvelII.Cfg" + ".BAK").
    FileAt WithSuffix(std::string_view suffix) const;
    // Another name in the same folder (for a path: another whole path).
    FileAt WithName(std::string name) const;
    // The folder holding the file, opened for reading its entries and flushing it; -1 when
    // it cannot be opened. The caller closes it.
    int OpenContainingFolder() const;
    // The file's own name, without any folder part.
    std::string LeafName() const;

private:
    Folder m_folder;
    std::string m_name;
    bool m_inFolder = false;
};

}  // namespace quorvel
