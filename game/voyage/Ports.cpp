#include "voyage/Ports.h"

#include "core/GameState.h"
#include "voyage/VoyageRolls.h"

namespace Sardek
{

QString portName(int index)
{
    return PortNames.value(index - 1);
}

int portIndex(const QString &name)
{
    return int(PortNames.indexOf(name)) + 1;
}

int nextPort(int index)
{
    return index % PortCount + 1;
}

int rollPort(Runtime &runtime)
{
    return rollWhole(runtime, PortCount, 1);
}

int preselectedPort(const QString &currentPort, Runtime &runtime)
{
    const int rolled = rollPort(runtime);
    return portName(rolled) == currentPort ? nextPort(rolled) : rolled;
}

} // namespace Sardek
