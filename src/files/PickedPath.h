#pragma once

#include <QString>

#include <optional>

namespace rx20 {

// What the folder picker puts into a path box: the chosen folder, a separator
// unless the folder already ends in one, and "NET.CFG". A cancel, or a folder
// with no usable file-system path, gives an empty box.
class PickedPath
{
public:
    // The folder browser hands back at most 511 bytes of path in the 8-bit
    // code page; a longer path counts as no path.
    static constexpr int maxPathBytes = 511;

    static QString boxText(const std::optional<QString> &folder);
};

} // namespace rx20
