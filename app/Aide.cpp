#include "app/Aide.h"

namespace cogitelle {

void MontrerAide(QWidget*, const QString&) {}

} // namespace cogitelle
