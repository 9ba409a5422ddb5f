#pragma once

#include <QRgb>
#include <vector>

namespace Velgauge
{

// The n + 1 colour steps from c1 towards c2 (colours 0x00BBGGRR, literal). Entry k holds
// c1 + (k + 1)/n × (c2 − c1): entry n − 1 is c2 and entry n one step beyond, clamped. Green
// and blue are taken at 256/255 of their value, components are clamped to 0 … 255 and rounded
// half to even. For n below 1 the table is the single colour c2.
std::vector<QRgb> BuildGradientTable(int n, quint32 c1, quint32 c2);

} // namespace Velgauge
