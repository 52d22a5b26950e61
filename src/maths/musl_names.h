/* Every external name of the compiled musl files gets a prefix of ours, so that they neither
   clash with nor stand in for the C library's own functions. */
#define sin corvane_sin
#define cos corvane_cos
#define exp corvane_exp
#define log corvane_log
#define scalbn corvane_scalbn
#define __sin corvane___sin
#define __cos corvane___cos
#define __rem_pio2 corvane___rem_pio2
#define __rem_pio2_large corvane___rem_pio2_large
#define __exp_data corvane___exp_data
#define __log_data corvane___log_data
#define __math_oflow corvane___math_oflow
#define __math_uflow corvane___math_uflow
#define __math_xflow corvane___math_xflow
#define __math_invalid corvane___math_invalid
#define __math_divzero corvane___math_divzero
