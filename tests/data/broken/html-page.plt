<!DOCTYPE html>
<html><head><title>Track</title></head><body>404</body></html>
