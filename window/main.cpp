#include "form1.h"
#include "runtime/startup.h"

int main(int argc, char *argv[])
{
    return runtime::StartUp<Form1>(argc, argv);
}
