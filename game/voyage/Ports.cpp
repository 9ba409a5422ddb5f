#include "voyage/Ports.h"

#include "core/GameState.h"
#include "voyage/VoyageDraws.h"

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

int drawPort(Runtime &runtime)
{
    return drawWhole(runtime, PortCount, 1);
}

int preselectedPort(const QString &currentPort, Runtime &runtime)
{
    const int drawn = drawPort(runtime);
    return portName(drawn) == currentPort ? nextPort(drawn) : drawn;
}

} // namespace Sardek
