// Paths and the symbolic links in them, followed by hand one after the
// other, so that a caller sees each path on the way (a link to /dev/stdout,
// a dangling link to a file not made yet) rather than only where the system
// ends up.
#pragma once

#include <functional>
#include <string>

// The folder a file of `path` is in: "." for a name alone.
std::string FolderOf(const std::string& path);

// The path the symbolic links of `path` lead to, followed one after the
// other as far as they go, dangling ones too: `path` itself when it is no
// link; "" with errno set (ELOOP) when they go round in a loop. With
// `stop`, the first path on the way (`path` itself first) for which it is
// true, as far as the links go.
std::string FollowLinks(const std::string& path,
                        const std::function<bool(const std::string&)>& stop = {});
