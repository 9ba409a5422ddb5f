// SPDX-FileCopyrightText: 2026 The Sardek team
// SPDX-License-Identifier: MIT

#pragma once

#include <Velgauge/velgauge_export.h>

#include <QString>
#include <QStringList>

class QWidget;

namespace Velgauge
{

/// The programmatic identifier of ProgressBar, "VelgaugeLib.ProgressBar": the name by which
/// hosts that create controls by name ask createControl() for a gauge.
inline constexpr char ProgressBarId[] = "VelgaugeLib.ProgressBar";

/**
 * Creates the control registered under progId (matched without regard to case) as a new
 * instance named instanceName: the name becomes its objectName and its initial caption.
 * Returns nullptr for an identifier the library does not know. The caller owns the result,
 * through parent when one is given.
 */
VELGAUGE_EXPORT QWidget *createControl(const QString &progId, const QString &instanceName,
                                       QWidget *parent = nullptr);

/// The identifiers createControl() knows, as written: ProgressBarId only.
VELGAUGE_EXPORT QStringList registeredControls();

} // namespace Velgauge
