// The methodology pages as data. Label lines are exact, blanks included: runs of
// spaces justify the lines by hand and push each equation number to the right
// edge, beside its formula picture.
#include "help/methodology_pages.h"

#include <stdexcept>

namespace termalo::help {

using namespace Qt::StringLiterals;

namespace {

QString blanks(int count)
{
    return QString(count, u' ');
}

std::vector<PageLayout> buildPages()
{
    return {
    {
        u"Form16"_s, {110, 125, 518, 362},
        u"Wskaźnik pojemności sanatorium"_s,
        {16, 16, 481, 313}, u" Metodologia wskaźnika pojemności sanatorium "_s,
        {
            {u"&Zamknij"_s, {376, 24, 81, kButtonHeight}, Does::Close, {u"Form16"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                blanks(10) + u"Literatura  (Ekonomika turystyki, Wydawnictwo Naukowe PWN,"_s,
                u"Warszawa 2006, s. 317) dzieli wskaźniki (eksploatacyjne) oceny sprawności"_s,
                u"operacyjnej usług noclegowych na dwie podgrupy wskaźników."_s,
                u"Są to:"_s,
                blanks(20) + u"- wskaźniki wielkości użytkowej obiektu noclegowego oraz"_s,
                blanks(20) + u"- wskaźniki rozmiarów świadczonych usług noclegowych."_s,
            }},
            {u"Label2"_s, {16, 128}, {
                u"Wskaźnik pojemności należy do pierwszej podgrupy-wskaźników wielkości użytkowej obiektu."_s,
                u"Zwykle pojemność obiektu noclegowego wyraża się  ilością  pokoi  będących  w  dyspozycji."_s,
                u"Informacja ta bywa uzupełniana o ilości miejsc w pokojach  i  kategorię  pokoi. W przypadku"_s,
                u"sanatoriów  podstawowym  przedmiotem  świadczenia  usług  noclegowych   nie  jest   pokój,"_s,
                u"ale  miejsce  w  pokoju.  Zatem  wskaźnik  pojemności sanatorium SPm, będzie wyrażał ilość"_s,
                u"miejsc, będącą w dyspozycji obiektu. "_s,
                u"Uzupełnieniem  wskaźnika  SPm,  mogą  być  wskaźniki  pojemności, wyrażane ilością pokoi"_s,
                u"ogółem (SPp) oraz ilością pokoi o określonych kategoriach np. A, B, C (SPpA, SPpB, SPpC). "_s,
                u"Wskaźnik  pojemności  sanatorium  SPm,  można  też  uzupełnić wskaźnikami wyrażającymi"_s,
                u"ilość  pokoi  o  odpowiedniej liczbie miejsc noclegowych  np. jedno-, dwu- lub trzyosobowych"_s,
                u"(SPp1, SPp2, SPp3)."_s,
            }},
        },
        {
        },
    },
    {
        u"Form17"_s, {111, 126, 517, 362},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 315}, u" Metodologia wskaźnika zdolności usługowej sanatorium "_s,
        {
            {u"&Zamknij"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form17"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form18"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                u"               Wskaźnik zdolności usługowej  obiektu   noclegowego  wraz  ze"_s,
                u"wskaźnikiem  pojemności    obiektu,    stanowią    podgrupę    wskaźników"_s,
                u"wielkości  użytkowej  obiektu noclegowego. Ze względu na ich konstrukcję, jednostką wartości"_s,
                u"generowanych  przez  wskaźniki  jest  osobodzień,  czyli  jednostka  zajętości  jednego  miejsca"_s,
                u"(pokoju)  w  jednym  dniu.  Zdolność  usługowa obiektu  noclegowego (SZp) określa możliwość"_s,
                u"zaoferowania  przez   obiekt   określonej   liczby   pokoi   w   badanym   okresie,   przy   pełnym"_s,
                u"wykorzystaniu czynników wytwórczych (1)."_s,
            }},
            {u"Label2"_s, {16, 120}, {
                blanks(107) + u"(1)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Lp - liczba pokoi noclegowych w sanatorium; "_s,
                u"Te - czas eksploatacji (w dniach)."_s,
            }},
            {u"Label3"_s, {16, 192}, {
                u"Tak  jak  w  przypadku  pojemności  obiektu,  wskaźnik zdolności usługowej SZp uzupełnia się"_s,
                u"miarą,   w  której  ilość  pokoi  zastępuje  się  ilością  miejsc  w  obiekcie.   Analogicznie   jak  w "_s,
                u"przypadku   wskaźnika   pojemności   usługowej   sanatorium,    dla   menadżera   kierującego "_s,
                u"sanatorium znacznie większą wartość informacyjną będzie miał wskaźnik zdolności usługowej,"_s,
                u"wyrażony za pomocą ilości miejsc noclegowych."_s,
            }},
            {u"Label4"_s, {16, 264}, {
                u"Można  zatem  zdefiniować   wskaźnik   zdolności   usługowej    sanatorium    SZm    (2),   jako"_s,
                u"wielkość  wyrażającą  możliwość  zaoferowania  przez  sanatorium  określonej  liczby  miejsc w"_s,
                u"badanym okresie, przy pełnym wykorzystaniu czynników wytwórczych."_s,
            }},
        },
        {
            {u"Image1"_s, {192, 120}, 1},
        },
    },
    {
        u"Form18"_s, {110, 124, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część II)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form18"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form19"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                blanks(107) + u"(2) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Lm - liczba miejsc noclegowych w sanatorium; "_s,
                u"Te - czas eksploatacji (w dniach)."_s,
            }},
            {u"Label2"_s, {16, 96}, {
                u"Wskaźnik  SZm  można  oczywiście  uzupełnić   wskaźnikiem   zdolności   usługowej   w   jego"_s,
                u"tradycyjnej  postaci   (1)    lub  w  jego  wersjach  określających  możliwość  zaoferowania przez"_s,
                u"obiekt   określonej   liczby   pokoi   n-osobowych   SZpn   w   badanym   okresie,   przy   pełnym"_s,
                u"wykorzystaniu czynników wytwórczych (3)."_s,
            }},
            {u"Label3"_s, {16, 168}, {
                blanks(107) + u"(3) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Lpn - liczba pokoi noclegowych n-osobowych w sanatorium; "_s,
                u"Te - czas eksploatacji (w dniach). "_s,
                u"Jednak znacznie ważniejszą odmianą wskaźnika zdolności usługowej sanatorium SZm wydają"_s,
                u"się  być  wskaźniki  uwzględniające rodzaj odbiorcy finansującego pobyt. Wskaźnik komercyjnej"_s,
                u"zdolność   usługowej   sanatorium   SZmi  (4),  to wielkość wyrażająca możliwość zaoferowania"_s,
                u"przez sanatorium określonej liczby miejsc kuracjuszom indywidualnym, w badanym okresie, przy"_s,
                u"pełnym wykorzystaniu czynników wytwórczych."_s,
            }},
        },
        {
            {u"Image1"_s, {160, 24}, 2},
            {u"Image2"_s, {160, 160}, 3},
        },
    },
    {
        u"Form19"_s, {110, 124, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część III)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form19"_s}},
            {u"&Dalej"_s, {424, 24, 49, kButtonHeight}, Does::Show, {u"Form20"_s}},
        },
        {
            {u"Label1"_s, {16, 32}, {
                blanks(107) + u"(4) "_s,
                u"gdzie: "_s,
                u"Lmi - liczba miejsc noclegowych niezakontraktowanych; "_s,
                u"Te - czas eksploatacji (w dniach)."_s,
            }},
            {u"Label2"_s, {16, 96}, {
                u"Liczba miejsc  możliwych  do  zaoferowania  kuracjuszom  indywidualnym (komercyjnym) przez"_s,
                u"sanatoria,    zwykle    jest    uzależniona   od    wielkości   kontraktów    na    usługi   lecznictwa"_s,
                u"uzdrowiskowego,  podpisanych  przez  spółki  uzdrowiskowe  z NFZ, ZUS, KRUS, czy z innymi"_s,
                u"odbiorcami  hurtowymi.  Kuracjuszom  indywidualnym  może  zostać zaoferowana  jedynie taka"_s,
                u"ilość  miejsc,   jaka  nie  została  wcześniej   zakontraktowana.   Należy  zwrócić  uwagę,  że  w"_s,
                u"przypadku  preferowania  przez  sanatorium  wyłącznie   odbiorców   indywidualnych,   wartość"_s,
                u"wskaźnika    komercyjnej   zdolność   usługowej   SZmi,   będzie   równa   wartości   wskaźnika"_s,
                u"zdolności  usługowej  sanatorium  SZm. W sytuacji odwrotnej wyniesie on 0."_s,
            }},
            {u"Label3"_s, {16, 208}, {
                u"Zatem   wskaźnik   kontraktowej   zdolność   usługowej   sanatorium   SZmk   (5),  to   wielkość"_s,
                u"wyrażająca  zakontraktowaną przez sanatorium liczbę miejsc, w badanym okresie, przy pełnym"_s,
                u"wykorzystaniu czynników wytwórczych. "_s,
                blanks(107) + u"(5) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Lmk - liczba miejsc noclegowych zakontraktowanych; "_s,
                u"Te - czas eksploatacji (w dniach)."_s,
            }},
        },
        {
            {u"Image1"_s, {160, 24}, 4},
            {u"Image2"_s, {160, 256}, 5},
        },
    },
    {
        u"Form20"_s, {111, 126, 516, 375},
        u"Wskaźnik zdolności usługowej sanatorium"_s,
        {16, 16, 481, 321}, u" Metodologia wskaźnika zdolności usługowej sanatorium  (część IV)  "_s,
        {
            {u"&Wstecz"_s, {376, 24, 49, kButtonHeight}, Does::Close, {u"Form20"_s}},
            {u"&Menu"_s, {424, 24, 49, kButtonHeight}, Does::Close, {u"Form19"_s, u"Form18"_s, u"Form17"_s, u"Form20"_s}},
        },
        {
            {u"Label1"_s, {16, 64}, {
                u"Możliwe  jest również skonstruowanie wskaźnika transakcyjnej zdolność usługowej sanatorium"_s,
                u"(SZmt),  czyli wielkości wyrażającej możliwość zaoferowania (w przetargach publicznych) przez"_s,
                u"sanatorium określonej liczby miejsc odbiorcom kontraktowym, w badanym okresie, przy pełnym"_s,
                u"wykorzystaniu czynników wytwórczych (6)."_s,
            }},
            {u"Label2"_s, {16, 136}, {
                QString(),
                blanks(107) + u"(6) "_s,
                u"gdzie: "_s,
                u" "_s,
                u"Lmt - liczba miejsc noclegowych możliwych do zakontraktowania; "_s,
                u"Te - czas eksploatacji (w dniach)."_s,
            }},
            {u"Label3"_s, {16, 216}, {
                u"Należy jednak zauważyć, że w przypadku preferowania przez sanatorium wyłącznie odbiorców"_s,
                u"kontraktowych,  wartość wskaźnika transakcyjnej zdolność usługowej sanatorium SZmt będzie"_s,
                u"równa   wartości   wskaźnika   zdolności   usługowej   sanatorium   SZm.  W sytuacji odwrotnej"_s,
                u"wyniesie on 0."_s,
            }},
        },
        {
            {u"Image1"_s, {160, 136}, 6},
            // Taken over from the page before, empty: this page shows one formula.
            {u"Image2"_s, {160, 264}, 0},
        },
    },
    {
        u"Form21"_s, {112, 127, 513, 372},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 16, 489, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium  "_s,
        {
            {u"&Wstecz"_s, {368, 24, 57, kButtonHeight}, Does::Close, {u"Form21"_s}},
            {u"&Dalej"_s, {424, 24, 57, kButtonHeight}, Does::Show, {u"Form23"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                u"      Podstawowy wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
                u"SWzm informuje, jaki procent miejsc został wykorzystany przez kuracjuszy"_s,
                u"w badanym okresie (7)."_s,
                u" "_s,
                blanks(98) + u"(7)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owm - liczba wynajętych miejsc noclegowych w sanatorium ogółem; "_s,
                u"SZm - wskaźnik zdolności usługowej sanatorium (2)."_s,
            }},
            {u"Label2"_s, {16, 152}, {
                u"Oczywiście w hotelach preferowany jest wskaźnik wykorzystania zdolności usługowej SWzp (8),"_s,
                u"którego  podstawą  jest  ilość  wynajętych  pokoi,   a   nie   miejsc.   Informuje  on,   jaki  procent"_s,
                u"posiadanych pokoi został wykorzystany przez turystów w badanym okresie. "_s,
                u" "_s,
                blanks(98) + u"(8) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owp - liczba wynajętych pokoi w sanatorium ogółem; "_s,
                u"SZp - wskaźnik zdolności usługowej sanatorium (1). "_s,
            }},
            {u"Label3"_s, {16, 280}, {
                u"Podział  pokoi  ze  względu  na  ilość  miejsc, pozwala na obliczenie wskaźników wykorzystania"_s,
                u"zdolności usługowej pokoi n-osobowych SWpn, a jego postać jest następująca:"_s,
            }},
        },
        {
            {u"Image1"_s, {168, 64}, 7},
            {u"Image2"_s, {168, 192}, 8},
        },
    },
    {
        u"Form23"_s, {113, 126, 511, 370},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {16, 8, 481, 329}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form23"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form24"_s}},
        },
        {
            {u"Label1"_s, {16, 32}, {
                blanks(98) + u"(9) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owpn - liczba wynajętych pokoi n-osobowych; "_s,
                u"SZpn - wskaźnik zdolności usługowej pokoi n-osobowych (3). "_s,
                u"Interpretacja wartości wskaźnika SWpn jest uzależniona od ceny za miejsce w pokojach.  I tak, "_s,
                u"w  przypadku,  gdy  cena  miejsca w  pokojach  1-osobowych  jest  wyższa  od  ceny miejsca w"_s,
                u"pokojach  wieloosobowych,  korzystniejsze   (z  punktu  widzenia  wielkości  przychodów)   jest"_s,
                u"maksymalne  wykorzystanie  zdolności  usługowej  pokoi  1-osobowych.  Gdy  cena  miejsca w"_s,
                u"pokojach  wieloosobowych  przewyższa  cenę  miejsc  w  pokojach jednoosobowych - sytuacja"_s,
                u"jest odwrotna."_s,
            }},
            {u"Label2"_s, {16, 176}, {
                u"             Wykorzystanie  zdolności  usługowej  sanatorium  można   również   rozpatrywać  ze"_s,
                u"względu na rodzaj odbiorcy. Wówczas określony zostanie procent miejsc wykorzystanych przez"_s,
                u"kuracjuszy   indywidualnych   lub   kontraktowych   w   badanym    okresie,    do   (odpowiednio)"_s,
                u"kontraktowej    lub    komercyjnej    zdolności    usługowej    sanatorium.   Stosowny    wskaźnik"_s,
                u"wykorzystania komercyjnej zdolności usługowej sanatorium SWzi, będzie miał postać:"_s,
            }},
            {u"Label3"_s, {16, 256}, {
                blanks(98) + u"(10) "_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owmi - liczba miejsc wynajętych kuracjuszom indywidualnym; "_s,
                u"SZmi - wskaźnik komercyjnej zdolności usługowej sanatorium (4). "_s,
            }},
        },
        {
            {u"Image1"_s, {160, 16}, 9},
            {u"Image2"_s, {160, 248}, 10},
        },
    },
    {
        u"Form24"_s, {115, 127, 510, 366},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 16, 489, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium (część II)  "_s,
        {
            {u"&Wstecz"_s, {368, 24, 57, kButtonHeight}, Does::Close, {u"Form24"_s}},
            {u"&Dalej"_s, {424, 24, 57, kButtonHeight}, Does::Show, {u"Form25"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                u"Natomiast wskaźnik  wykorzystania  kontraktowej  zdolności   usługowej "_s,
                u"sanatorium  SWzk prezentuje się następująco: "_s,
                QString(),
                blanks(98) + u"(11)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owmk - liczba wynajętych miejsc kontraktowych; "_s,
                u"SZmk - wskaźnik kontraktowej zdolności usługowej sanatorium (5)."_s,
            }},
            {u"Label2"_s, {16, 128}, {
                u"Dużą  wartość  informacyjną  dla  menadżera  mogą  mieć  również  wskaźniki   wykorzystania"_s,
                u"całkowitej  zdolności  usługowej  sanatorium przez odpowiedni rodzaj odbiorcy (komercyjnego"_s,
                u"lub  indywidualnego).  Wartość  uzyskana  przy  pomocy  tych wskaźników określa, jaki procent"_s,
                u"ogółu miejsc w sanatorium został wykorzystany przez odpowiedni rodzaj kuracjuszy. Wskaźnik"_s,
                u"wykorzystania  zdolności  usługowej  sanatorium  przez  kuracjuszy  indywidualnych  SWz-i ma"_s,
                u"następującą postać:"_s,
            }},
            {u"Label3"_s, {16, 216}, {
                blanks(98) + u"(12)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owmi - liczba wynajętych miejsc komercyjnych w sanatorium; "_s,
                u"SZm - wskaźnik zdolności usługowej sanatorium (2)."_s,
                u"Natomiast   wskaźnik   wykorzystania   zdolności   usługowej   sanatorium   przez    kuracjuszy"_s,
                u"kontraktowych SWz-k, to:"_s,
            }},
        },
        {
            {u"Image1"_s, {168, 56}, 11},
            {u"Image2"_s, {168, 208}, 12},
        },
    },
    {
        u"Form25"_s, {118, 128, 506, 364},
        u"Wskaźnik wykorzystania zdolności usługowej sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wykorzystania zdolności usługowej sanatorium (część III)  "_s,
        {
            {u"&Wstecz"_s, {360, 32, 57, kButtonHeight}, Does::Close, {u"Form25"_s}},
            {u"&Menu"_s, {416, 32, 57, kButtonHeight}, Does::Close, {u"Form25"_s, u"Form24"_s, u"Form23"_s, u"Form21"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                blanks(98) + u"(13)"_s,
                QString(),
                u" "_s,
                u"gdzie: "_s,
                u"Owmk - liczba wynajętych miejsc kontraktowych w sanatorium; "_s,
                u"SZm - wskaźnik zdolności usługowej sanatorium (2)."_s,
            }},
            {u"Label2"_s, {16, 112}, {
                u"Ostatnim  w  tej   grupie   mierników   jest    wskaźnik   wykorzystania   transakcyjnej   zdolności"_s,
                u"usługowej  sanatorium  SWzt,  oceniający  efektywność  uczestnictwa  spółki uzdrowiskowej w"_s,
                u"przetargach  publicznych,  dotyczących  ofert  na leczenie uzdrowiskowe, który ma następującą"_s,
                u"postać:"_s,
                QString(),
                blanks(98) + u"(14)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owmk - liczba zakontraktowanych osobodni; "_s,
                u"SZmt - wskaźnik transakcyjnej zdolności usługowej sanatorium (6). "_s,
            }},
        },
        {
            {u"Image1"_s, {144, 24}, 13},
            {u"Image2"_s, {144, 168}, 14},
        },
    },
    {
        u"Form26"_s, {116, 128, 505, 362},
        u"Wskaźnik przeciętnej długości pobytu"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej długości pobytu  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form26"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form27"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                u"\t"_s + u"Wskaźnik   przeciętnej   długości  pobytu  w   sanatorium  SD  (15),"_s,
                u"określa    czas   korzystania   z   usług   noclegowych   przez   przeciętnego"_s,
                u"kuracjusza   w   badanym   okresie. "_s,
                u"Im wyższa jest jego wartość, tym lepsza sytuacja sanatorium, ponieważ -  tak jak w przypadku"_s,
                u"hoteli  -  długim  pobytom  częściej  towarzyszy  korzystanie z innych usług oferowanych przez"_s,
                u"samo sanatorium, czy całą spółkę uzdrowiskową."_s,
            }},
            {u"Label2"_s, {16, 136}, {
                blanks(98) + u"(15) "_s,
                QString(),
                u"gdzie: "_s,
                u"Owm - liczba wynajętych miejsc noclegowych w sanatorium ogółem; "_s,
                u"Lk - liczba wszystkich kuracjuszy przebywających w sanatorium w badanym okresie. "_s,
                QString(),
                QString(),
                u"Za  pomocą  wskaźników  ilościowych  można  również  określić  przeciętną   długość   pobytu"_s,
                u"kuracjusza     indywidualnego     wskaźnikiem    SDi    (16),     a     kuracjusza    kontraktowego"_s,
                u"wskaźnikiem SDk (17)."_s,
            }},
        },
        {
            {u"Image1"_s, {176, 120}, 15},
        },
    },
    {
        u"Form27"_s, {117, 129, 502, 360},
        u"Wskaźnik przeciętnej długości pobytu"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej długości pobytu (część II)  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form27"_s}},
            {u"&Menu"_s, {424, 32, 49, kButtonHeight}, Does::Close, {u"Form27"_s, u"Form26"_s}},
        },
        {
            {u"Label1"_s, {16, 48}, {
                blanks(98) + u"(16) "_s,
                QString(),
                QString(),
                u" "_s,
                blanks(98) + u"(17)"_s,
                u" "_s,
                QString(),
                u"gdzie: "_s,
                u"Owmi - liczba wynajętych osobodni kuracjuszom indywidualnym w badanym okresie; "_s,
                u"Owmk - liczba wynajętych osobodni kuracjuszom kontraktowym w badanym okresie; "_s,
                u"Lki - liczba kuracjuszy indywidualnych przebywających w sanatorium w badanym okresie; "_s,
                u"Lkk - liczba kuracjuszy kontraktowych przebywających w sanatorium w badanym okresie."_s,
            }},
            {u"Label2"_s, {16, 208}, {
                u"O  ile  w  przypadku  pobytów  kontraktowych  wskaźnik  SDk  jest zwykle zbliżony do długości"_s,
                u"pobytów  ustalonych  przez  Ministra  Zdrowia, o tyle w przypadku wskaźnika długości pobytów"_s,
                u"komercyjnych SDi jego wartość może być bardzo zróżnicowana ze względu na wiele czynników"_s,
                u"(jak np. pora roku)."_s,
            }},
        },
        {
            {u"Image1"_s, {168, 40}, 16},
            {u"Image2"_s, {168, 88}, 17},
        },
    },
    {
        u"Form28"_s, {118, 130, 501, 360},
        u"Wskaźnik przeciętnej liczby wynajętych miejsc w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika przeciętnej liczby wynajętych miejsc w sanatorium  "_s,
        {
            {u"&Menu"_s, {424, 32, 49, kButtonHeight}, Does::Close, {u"Form28"_s}},
        },
        {
            {u"Label1"_s, {16, 32}, {
                u"              Wskaźnik  przeciętnej  liczby wynajętych miejsc w sanatorium SM"_s,
                u"(18) informuje o tym, ile razy średnio w analizowanym okresie wynajęte było"_s,
                u"miejsce w sanatorium. "_s,
                blanks(98) + u"(18)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Owm - liczba miejsc wynajętych kuracjuszom w badanym okresie; "_s,
                u"SZm - wskaźnik zdolności usługowej sanatorium (2). "_s,
                QString(),
                u"W literaturze spotyka się też wskaźnik przeciętnej liczby wynajętych pokoi w obiektach SH (19)."_s,
                u"Informuje on, ile razy średnio w analizowanym okresie był wynajęty pokój."_s,
            }},
            {u"Label2"_s, {16, 216}, {
                blanks(98) + u"(19) "_s,
                QString(),
                u"gdzie: "_s,
                u"Owp - liczba pokoi wynajętych kuracjuszom w badanym okresie; "_s,
                u"SZp - wskaźnik zdolności usługowej sanatorium (1). "_s,
            }},
        },
        {
            {u"Image1"_s, {184, 64}, 18},
            {u"Image2"_s, {184, 192}, 19},
        },
    },
    {
        u"Form29"_s, {117, 131, 500, 365},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium  "_s,
        {
            {u"&Wstecz"_s, {376, 32, 49, kButtonHeight}, Does::Close, {u"Form29"_s}},
            {u"&Dalej"_s, {424, 32, 49, kButtonHeight}, Does::Show, {u"Form30"_s}},
        },
        {
            {u"Label1"_s, {16, 40}, {
                u"              Wskaźniki  wielkości  przychodów  przypadających  na miejsce w"_s,
                u"sanatorium  można  obliczyć  dla  miejsc  wynajętych   oraz   dla   miejsc  w"_s,
                u"dyspozycji.   Inny  podział  wskaźników  może wynikać z podziału źródeł przychodów, a nawet"_s,
                u"przedmiotu   świadczenia   usług.   Jednak   zaprezentowane   zostaną   wyłącznie   wskaźniki"_s,
                u"dotyczące miejsc w sanatorium, a nie pokoi. "_s,
                u"Zatem  wskaźnik  wielkości  przychodów,  przypadających  na jedno miejsce w sanatorium SPm"_s,
                u"(20),  informuje,  jaka  wielkość  przychodów  została  wygenerowana  przez  jedno   miejsce  w"_s,
                u"sanatorium  w  badanym  okresie.  Jest  to przydatna informacja w sytuacji, gdy podmiot stosuje"_s,
                u"różnego rodzaju zniżki."_s,
            }},
            {u"Label2"_s, {16, 184}, {
                blanks(98) + u"(20) "_s,
                u"gdzie: "_s,
                u"Pm - przychody ze sprzedaży usług noclegowych w sanatorium; "_s,
                u"Owm - liczba miejsc wynajętych kuracjuszom w badanym okresie."_s,
            }},
        },
        {
            {u"Image1"_s, {160, 160}, 20},
        },
    },
    {
        u"Form30"_s, {117, 132, 499, 364},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część II)  "_s,
        {
            {u"&Wstecz"_s, {360, 32, 57, kButtonHeight}, Does::Close, {u"Form30"_s}},
            {u"&Dalej"_s, {416, 32, 57, kButtonHeight}, Does::Show, {u"Form31"_s}},
        },
        {
            {u"Label1"_s, {16, 40}, {
                u"Dużą wartość informacyjną  może   mieć  również   wskaźnik   wielkości"_s,
                u"przychodów z pobytów komercyjnych lub kontraktowych przypadających"_s,
                u"na  jedno  miejsce  wynajęte  kuracjuszom indywidualnym SPmi (21) lub kontraktowym SPmk (22)."_s,
                QString(),
                QString(),
                QString(),
                blanks(98) + u"(21) "_s,
                QString(),
                QString(),
                QString(),
                blanks(98) + u"(22)"_s,
            }},
            {u"Label2"_s, {16, 200}, {
                u"gdzie: "_s,
                u"Pmi - przychody ze sprzedaży usług  kuracjuszom indywidualnym; "_s,
                u"Pmk - przychody ze sprzedaży usług  kuracjuszom kontraktowym; "_s,
                u"Owmi - liczba miejsc wynajętych kuracjuszom indywidualnym w badanym okresie; "_s,
                u"Owmk - liczba miejsc wynajętych kuracjuszom kontraktowym w badanym okresie. "_s,
            }},
        },
        {
            {u"Image1"_s, {168, 96}, 21},
            {u"Image2"_s, {168, 152}, 22},
        },
    },
    {
        u"Form31"_s, {117, 131, 500, 364},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 473, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część III)   "_s,
        {
            {u"&Wstecz"_s, {368, 32, 49, kButtonHeight}, Does::Close, {u"Form31"_s}},
            {u"&Dalej"_s, {416, 32, 49, kButtonHeight}, Does::Show, {u"Form32"_s}},
        },
        {
            {u"Label1"_s, {16, 32}, {
                u"      Analizując wyniki działalności sanatorium można posłużyć się również"_s,
                u"miarami odnoszącymi  się do wszystkich miejsc  będących   w   dyspozycji"_s,
                u"obiektu,  czyli  do  zdolności  usługowej  sanatorium  SZm.  Wówczas wskaźnik wielkości"_s,
                u"przychodów  przypadających  na  każde  miejsce w dyspozycji SPm-d (23)  informuje, jaka"_s,
                u"wielkość  przychodów  została    wygenerowana   przez   każde   miejsce   w   sanatorium"_s,
                u"w badanym okresie. "_s,
                QString(),
                QString(),
                QString(),
                QString(),
                blanks(99) + u"(23)"_s,
            }},
            {u"Label2"_s, {16, 176}, {
                QString(),
                u"gdzie: "_s,
                u"Pm - przychody ze sprzedaży usług noclegowych w sanatorium; "_s,
                u"SZm - wskaźnik zdolności usługowej sanatorium w badanym okresie (2). "_s,
                QString(),
                u"Podobnie  wskaźnik  wielkości   przychodów   z   pobytów   komercyjnych   lub   kontraktowych,"_s,
                u"przypadających  na  każde  miejsce  możliwe do wynajęcia kuracjuszom indywidualnym SPmi-d"_s,
                u"(24) lub kontraktowym SPmk-d (25). "_s,
            }},
        },
        {
            {u"Image1"_s, {176, 136}, 23},
        },
    },
    {
        u"Form32"_s, {118, 131, 498, 366},
        u"Wskaźnik wielkości przychodów z jednego miejsca w sanatorium"_s,
        {8, 8, 473, 321}, u"  Metodologia wskaźnika wielkości przychodów z jednego miejsca w sanatorium (część IV)  "_s,
        {
            {u"&Wstecz"_s, {368, 32, 49, kButtonHeight}, Does::Close, {u"Form32"_s}},
            {u"&Menu"_s, {416, 32, 49, kButtonHeight}, Does::Close, {u"Form32"_s, u"Form31"_s, u"Form30"_s, u"Form29"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                QString(),
                blanks(47) + u"(24)"_s + blanks(50) + u"(25)"_s,
                u" "_s,
                QString(),
                u"gdzie: "_s,
                u"Pmi - przychody ze sprzedaży usług  kuracjuszom indywidualnym; "_s,
                u"Pmk - przychody ze sprzedaży usług  kuracjuszom kontraktowym; "_s,
                u"SZmi - wskaźnik komercyjnej zdolności usługowej sanatorium (4); "_s,
                u"SZmk - wskaźnik kontraktowej zdolności usługowej sanatorium (5). "_s,
                u"           Uzupełnieniem  tej  grupy  wskaźników  mogą  być  wskaźniki  udziału   przychodów"_s,
                u"generowanych przez kuracjuszy  indywidualnych  SUi  (26)  i  kontraktowych   SUk   (27)  w"_s,
                u"całkowitych przychodach sanatorium."_s,
            }},
            {u"Label2"_s, {16, 216}, {
                blanks(47) + u"(26)"_s + blanks(50) + u"(27)"_s,
                u" "_s,
                u"gdzie: "_s,
                u"Pmi - przychody ze sprzedaży usług  kuracjuszom indywidualnym; "_s,
                u"Pmk - przychody ze sprzedaży usług  kuracjuszom kontraktowym; "_s,
                u"Pc - przychody całkowite sanatorium."_s,
            }},
        },
        {
            {u"Image1"_s, {56, 24}, 24},
            {u"Image2"_s, {200, 24}, 25},
            // Further left and a pixel higher than the picture above it: at 56 it
            // would hide the number (26) that stands 47 blanks in, and lower it
            // would touch the legend's "gdzie: ".
            {u"Image3"_s, {40, 199}, 26},
            {u"Image4"_s, {200, 200}, 27},
        },
    },
    {
        u"Form33"_s, {119, 131, 498, 360},
        u"Wskaźnik wykorzystania potencjału przychodowego"_s,
        {8, 8, 481, 321}, u"  Metodologia wskaźnika wykorzystania potencjału przychodowego  "_s,
        {
            {u"&Menu"_s, {424, 24, 49, kButtonHeight}, Does::Close, {u"Form33"_s}},
        },
        {
            {u"Label1"_s, {16, 24}, {
                QString(),
                QString(),
                QString(),
                u"              Wskaźniki   (stopa)   wykorzystania    potencjału    przychodowego"_s,
                u"sanatorium  SPP   (28)   informuje,   na   ile   sanatorium  wykorzystuje  swoje"_s,
                u"możliwości   generowania   przychodów.   Nie odbiega on  w swej   budowie"_s,
                u"od   wskaźnika wykorzystania potencjału przychodowego innych zakładów"_s,
                u"hotelarskich. "_s,
                QString(),
                blanks(98) + u"(28) "_s,
                QString(),
                QString(),
                u"gdzie: "_s,
                u"Pc - przychody całkowite sanatorium; "_s,
                u"PP - potencjalne przychody sanatorium. "_s,
            }},
        },
        {
            {u"Image1"_s, {152, 136}, 28},
        },
    },
    };
}

}  // namespace

const std::vector<Chain>& chains()
{
    static const std::vector<Chain> all = {
        {u"pojemność"_s, {u"Form16"_s}},
        {u"zdolność usługowa"_s, {u"Form17"_s, u"Form18"_s, u"Form19"_s, u"Form20"_s}},
        {u"wykorzystanie zdolności usługowej"_s, {u"Form21"_s, u"Form23"_s, u"Form24"_s, u"Form25"_s}},
        {u"przeciętna długość pobytu"_s, {u"Form26"_s, u"Form27"_s}},
        {u"przeciętna liczba wynajętych miejsc"_s, {u"Form28"_s}},
        {u"przychody z jednego miejsca"_s, {u"Form29"_s, u"Form30"_s, u"Form31"_s, u"Form32"_s}},
        {u"wykorzystanie potencjału przychodowego"_s, {u"Form33"_s}},
    };
    return all;
}

const std::vector<PageLayout>& pageLayouts()
{
    static const std::vector<PageLayout> all = buildPages();
    return all;
}

const PageLayout& pageLayout(const QString& name)
{
    for (const PageLayout& page : pageLayouts()) {
        if (page.name == name)
            return page;
    }
    throw std::out_of_range("no methodology page " + name.toStdString());
}

}  // namespace termalo::help
