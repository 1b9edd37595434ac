// The library's only code: the resources above are what it is for.
int mrb500ArtworkAnchor() {
    return 0;
}
