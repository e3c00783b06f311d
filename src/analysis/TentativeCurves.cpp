#include "analysis/TentativeCurves.h"

namespace analysis {

TSPD& tentativeCurves()
{
    static TSPD state;
    return state;
}

}  // namespace analysis
