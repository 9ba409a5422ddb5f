#pragma once

#include <QString>

namespace Sardek
{

class Runtime;

/// The number of ports; their indexes run from 1 (Hong Kong) to PortCount (Batavia).
inline constexpr int PortCount = 7;

/// The port with index 1 to PortCount, in the order of PortNames.
QString portName(int index);
/// The index (1 to PortCount) of the port spelled exactly name; 0 for any other text.
int portIndex(const QString &name);
/// The port after index in index order, Batavia wrapping around to Hong Kong.
int nextPort(int index);

/// One roll of a port index, Int(Rnd * 7 + 1).
int rollPort(Runtime &runtime);

/**
 * The destination the Leave Port window offers first: one rollPort(), moved on to the next
 * port when it is currentPort (in Batavia a roll of 7 gives Hong Kong).
 */
int preselectedPort(const QString &currentPort, Runtime &runtime);

} // namespace Sardek
