#include "ORV_univconst.h"

namespace orv {

namespace {

// Rows: English, German, French, Spanish.
const char* const MonthLongNames[4][12] = {
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
     "November", "December"},
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
     "Dezember"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre", "Novembre",
     "Décembre"},
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre", "Octubre",
     "Noviembre", "Diciembre"},
};
const char* const MonthShortNames[4][12] = {
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Jan", "Fév", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
};
const char* const WeekDayNames[4][7] = {
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"},
    {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"},
};

int Row(TLanguage Language) { return Language >= lgGerman && Language <= lgSpanish ? int(Language) - 1 : 0; }

}  // namespace

QString MonthLong(TLanguage Language, int Month) {
  return Month >= 1 && Month <= 12 ? QString::fromUtf8(MonthLongNames[Row(Language)][Month - 1]) : QString();
}

QString MonthShort(TLanguage Language, int Month) {
  return Month >= 1 && Month <= 12 ? QString::fromUtf8(MonthShortNames[Row(Language)][Month - 1]) : QString();
}

QString WeekDayShort(TLanguage Language, int Day) {
  return Day >= 0 && Day <= 6 ? QString::fromUtf8(WeekDayNames[Row(Language)][Day]) : QString();
}

}  // namespace orv
