#pragma once
// The Cabrillo header form as the platform shows it. On Windows a modal
// dialog (template 101 in the plug-in's resources) on the calling thread;
// where no window can exist the prepared values count as confirmed.
#include "cabrillo/header_form.h"

// Shows the form with `values` and blocks until it is closed. true: confirmed,
// `values` hold what the form shows; false: cancelled or not shown, `values`
// unchanged.
bool RunHeaderForm(CabrilloFormValues& values);
