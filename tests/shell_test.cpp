#include "tests/test_main.h"
class T : public QObject { Q_OBJECT };
TIBALOU_TEST_MAIN(T)
#include "shell_test.moc"
