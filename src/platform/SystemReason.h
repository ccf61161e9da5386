// The system's reason for a failed file operation, in the game's language,
// for the boxes the player reads (messages on standard error keep strerror's
// English). The common reasons are said in Chinese; any other gives the
// system's own words in brackets after "系统错误".
#pragma once

#include <string>

std::string SystemReason(int errorNumber);
