#pragma once
// twtool summary IN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by project|category|client]
//                   [--marked] [--csv]
// Per item of the chosen list that has records in the selection: the number of records, the
// total time (rounded as the document shows it), charge and expense, then a grand total, as
// an aligned table or as CSV. A record belongs to the date range by its start date.

#include <string>
#include <vector>

namespace tw::twtool {

// Runs the command on the arguments after "summary"; the report goes to `report`. False, with
// the reason in `error`, for wrong arguments or an unreadable document.
bool SummaryCommand(const std::vector<std::string>& args, std::string& report, std::string& error);

}  // namespace tw::twtool
