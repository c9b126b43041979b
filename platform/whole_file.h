// A file written whole or not at all.
//
// A regular file, or a path with no file yet, is written to a temporary file
// beside it (beside the file a symbolic link leads to, or would lead to: a
// link that leads nowhere yet makes the file it names, as the shell's ">"
// does; see temporary_file.h for the temporary's name) that takes its name
// once it is complete: until then a file that was there keeps its content,
// and a failed write, a crash or a signal that ends the program leaves
// neither the temporary (a scratch file, see scratch_files.h) nor half a
// file. A device or a pipe (/dev/null, /dev/full) cannot be replaced: it is
// written directly. So is a descriptor's name (/dev/stdout, /dev/fd/3, see
// descriptor_names.h): through that descriptor as it stands, whatever it
// leads to (a pipe, a socket, a file, a deleted file), never through the
// name the system shows for its file.
//
// Several files written together take their names together
// (CommitTogether): all of them, or none, the files they replace then left
// as they were.
//
// The temporary is made in the folder the path leads to when the file is
// opened, held open: it takes its name there, through that folder, and only
// while the path still leads to it (a folder moved during the writing, or
// another folder or a link put in its place, takes no file). Once every
// file of a set took its name, each path is followed afresh, its links
// too: a path that no longer leads to the new file (its folder moved or
// replaced meanwhile, a link on the way pointed elsewhere) gives every name
// back. A file is removed or renamed over only while its name still holds
// the file it was (the temporary made, the old file moved aside): a name
// that something else took meanwhile is left as it is.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>

#include "file_ids.h"

// The error number of a file whose path, when it is to take its name, leads
// to another folder than the one the file was opened in: no error number of
// the system's (they are all positive), nor kFolderStayedLocked.
inline constexpr int kFolderReplaced = -2;
// How that is said after the file's name.
inline constexpr const char* kFolderReplacedWhy = "its folder was moved or replaced during the run";
// The error number of a file whose path, once the file took its name, leads
// to another file (a link on the way pointed elsewhere, the file replaced),
// its folder reached still.
inline constexpr int kPathChanged = -3;
inline constexpr const char* kPathChangedWhy = "its path was changed during the run";

class WholeFile {
 public:
  WholeFile() = default;
  // Discards what was not committed.
  ~WholeFile() { Discard(); }
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // Opens `path` for writing: 0, or the error number that says why it cannot
  // be written (an empty path: ENOENT; a folder: EISDIR; a file or folder no
  // one may write, or a folder this process may not read, whose lock it
  // could not take: EACCES; a descriptor's name whose descriptor is not open
  // for writing: EBADF; a file whose folder takes no new file, see
  // folder_takes_no_file).
  // A file that is there is replaced by a new one with its mode, and its
  // owner and group where this process may give them (root may give any, a
  // user only itself and a group it belongs to), else whichever of the two
  // it may give or the new file has already; a set-user bit stays only with
  // its owner, a set-group bit only with its group and where this process
  // is root or in that group (the system takes it from anyone else). The new file has neither the
  // old one's other hard links nor its extended attributes (access control lists among them).
  int Open(const std::string& path);
  // After Open failed: whether it failed making the temporary file in the
  // file's folder (a folder such as /proc, which takes no new file), the
  // file itself being one that may be written.
  bool folder_takes_no_file() const { return folder_takes_no_file_; }
  // Where to write, once open.
  std::FILE* stream() const { return file_; }
  // A device, a pipe or a descriptor, written directly.
  bool direct() const { return direct_; }
  // Once open, a file that is not written directly: the folder open as
  // folder_fd() in which it takes the name name(); else -1 and "".
  int folder_fd() const { return folder_fd_; }
  const std::string& name() const { return name_; }
  // Writes out what is buffered, gives a new file its mode (after the last
  // write, which would clear a set-user or set-group bit) and closes the
  // stream: 0, or the error number of the first write that failed (EIO when
  // the stream kept none).
  int Finish();
  // After Finish, the temporary file takes the file's name: 0, or the error
  // number (the file then stays as it was, and the temporary is removed).
  int Commit();
  // Removes the temporary file, if there is one: the file stays as it was.
  void Discard();

 private:
  friend int CommitTogether(std::initializer_list<WholeFile*> files, WholeFile** failed,
                            bool may_exchange, const std::function<int()>& in_step);
  // How the temporary took the file's name, so that it can give it back.
  enum class Taken { kNot, kNew, kExchanged, kMovedAside };
  int OpenDescriptor(int fd);
  int FolderStillReached() const;
  int PathLeadsToIt() const;
  int TakeName(bool may_exchange);
  int TakeNameMovingOldAside();
  void GiveNameBack();
  void DropOld();

  // The path given, and the file it led to then.
  std::string path_;
  std::string target_;
  // The folder the temporary was made in, the path that led to it then (the
  // path given, its links followed), the file's name there and the
  // temporary's, and the temporary itself.
  int folder_fd_ = -1;
  std::string folder_path_;
  std::string name_;
  std::string temporary_;
  FileId written_;
  Taken taken_ = Taken::kNot;
  // Once the name is taken, the name in that folder of the file replaced,
  // and that file.
  std::string old_;
  FileId old_id_;
  // The mode the temporary takes once written.
  mode_t mode_ = 0;
  std::FILE* file_ = nullptr;
  bool direct_ = false;
  bool folder_takes_no_file_ = false;
};

// After Finish, the temporaries of `files` take their names together, as one
// step: every other program replacing files in their folders this way waits
// meanwhile (see folder_locks.h), and so do the ending signals. Returns 0;
// or the error number of the first that could not, pointed to by `*failed`
// (when `failed` is not null), and then every file is as it was before and
// every temporary is removed: kFolderStayedLocked for a file whose folder's
// lock another program held for longer than the wait; for a file whose path
// no longer leads to the folder it was opened in, before or after the names
// were taken, the error number of looking the folder up (ENOENT: moved or
// removed, nothing in its place; ENOTDIR: a file in its place) or
// kFolderReplaced (another folder, or a link to one, in its place); for one
// whose path, once every name was taken, leads elsewhere than to the new
// file (followed afresh, its links too), that error number or kPathChanged.
// A file opened as a
// device, or not opened, has nothing to take. With `may_exchange` false the names are taken the way
// kept for filesystems that cannot exchange two names (the old file is moved
// aside to a temporary name first). `in_step`, when given, runs inside the
// same step once every name is taken (no ending signal comes before it is
// done), for what must stand or fall with the files; an error number it
// returns undoes the step as a file that could not take its name does, and
// is returned, `*failed` then null.
int CommitTogether(std::initializer_list<WholeFile*> files, WholeFile** failed = nullptr,
                   bool may_exchange = true, const std::function<int()>& in_step = {});
