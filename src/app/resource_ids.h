// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_KOVRANT 1
#define IDR_INFO_HTML 101
#define IDR_SHELL_CATALOGUE 102
