// Keeps the support library non-empty while it holds only headers.
namespace kestrel_test_support {
int placeholder = 0;
}
