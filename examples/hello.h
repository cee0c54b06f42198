/* Identifiers shared by hello.rc and hello.c. */
#define IDD_HELLO   100
#define IDC_COPIES  101 /* edit box that shows the spin's position */
#define IDC_SPIN    102 /* NbSpin!+ beside it */
#define IDC_DATE    103 /* NbCalender!+ */
#define IDC_CHOSEN  104 /* static text: the day chosen on the calendar */
