#pragma once

#include <QString>

namespace Nox {

/// The text of the resource ":/data/<name>"; throws std::runtime_error
/// "Error: missing resource <name>" when there is none (the data files are built in, so a
/// missing one is a build fault).
[[nodiscard]] QString noxReadResource(const QString &name);

} // namespace Nox
